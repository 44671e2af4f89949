#pragma once
// Cuts a batch of SQL Server text into its statements. SQL Server needs no separator between
// statements: a new one starts at a statement keyword outside parentheses, unless the keyword
// continues the current one (INSERT ... SELECT, UNION SELECT, UPDATE ... SET, DROP TABLE IF
// EXISTS, ...). IF, ELSE, BEGIN and END of a block come out as pieces of their own, so the
// caller can build the control flow.
#include "hostapp/database/SqlTokenizer.h"

#include <vector>

namespace hostdb::sql {

struct BatchPiece {
    enum class Kind {
        Statement,   // one statement
        If,          // IF and its condition (nodes after the IF word)
        Else,
        BlockBegin,  // BEGIN of a BEGIN ... END block
        BlockEnd,
    };
    Kind kind = Kind::Statement;
    NodeList nodes;  // for If: the condition only
};

std::vector<BatchPiece> splitBatch(NodeList batch);

} // namespace hostdb::sql
