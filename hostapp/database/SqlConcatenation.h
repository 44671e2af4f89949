#pragma once
// SQL Server's "+" joins text and adds numbers; SQLite's "+" only adds. This turns each "+"
// whose operands are text into "||", deciding per "+" from its two operands: a string
// literal, a concatenation, a text function or a column declared as text on either side
// makes it a concatenation, unless the other side is known to be a number. Because "||"
// binds tighter in SQLite than "*" and "+", an operand made of several terms is put in
// parentheses so that the grouping stays SQL Server's.
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlTokenizer.h"

namespace hostdb::sql {

// Rewrites the arithmetic chains of one nesting level (groups are left to the caller, which
// rewrites them first so that their kind can be read from their content). Sets
// `guessedColumn` when a "+" stands next to a column name the schema does not know.
void rewriteConcatenation(NodeList& level, const SqlColumnKinds& columns, bool& guessedColumn);

// Words that end an expression rather than name a column (SELECT, AND, FROM, ...).
bool isReservedWord(const Node& node);

} // namespace hostdb::sql
