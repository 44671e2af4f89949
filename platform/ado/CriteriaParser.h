#pragma once
// Reads a filter criteria: "Field op value" terms joined by AND and OR, with parentheses.
// AND binds tighter than OR, so every criteria reads as an OR of AND groups. Parentheses
// may hold an AND group or an OR group, but an OR group may not be ANDed with anything
// else ("(A OR B) AND C" is rejected, as the platform's recordsets reject it).
#include <QString>
#include <vector>

namespace ado::criteria {

enum class CompareOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };

struct CriteriaValue {
    enum class Kind { String, Number, Date, Null, Boolean };
    Kind kind = Kind::String;
    QString text;      // String/Date: the content; Number: as written, with its sign; Boolean: "true"/"false"
    int position = 0;  // 1-based, for messages
};

struct CriteriaTerm {
    QString field;
    int fieldPosition = 0;
    CompareOp op = CompareOp::Equal;
    CriteriaValue value;
};

using AndGroup = std::vector<CriteriaTerm>;

struct ParsedCriteria {
    std::vector<AndGroup> groups;  // a row matches when every term of one group matches
};

// Raises 3001 naming the position and the problem when the text does not read.
ParsedCriteria parseCriteria(const QString& text);

// The word used for the criteria in messages.
QString criteriaWord();

} // namespace ado::criteria
