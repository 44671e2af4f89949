#include "hostapp/database/SqlBatchSplitter.h"

#include <initializer_list>

namespace hostdb::sql {

namespace {

bool isAnyWord(const Node& node, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (node.isWord(word))
            return true;
    }
    return false;
}

// Words that always begin a statement of their own (when nothing says otherwise).
bool isPlainStatementWord(const Node& node)
{
    return isAnyWord(node, {"BEGIN", "CREATE", "DROP", "ALTER", "DECLARE", "EXEC", "EXECUTE", "TRUNCATE",
                            "PRINT", "RETURN", "COMMIT", "ROLLBACK", "PRAGMA", "VACUUM",
                            "ANALYZE", "REINDEX", "ATTACH", "DETACH", "SAVEPOINT", "RELEASE"});
}

bool isTransactionWord(const Node& node)
{
    return isAnyWord(node, {"TRAN", "TRANSACTION", "DEFERRED", "IMMEDIATE", "EXCLUSIVE",
                            "DISTRIBUTED"});
}

class Splitter {
public:
    explicit Splitter(NodeList batch) : m_batch(std::move(batch)) {}

    std::vector<BatchPiece> run()
    {
        for (size_t i = 0; i < m_batch.size(); ++i)
            take(i);
        flush();
        return std::move(m_pieces);
    }

private:
    void take(size_t i)
    {
        Node& node = m_batch[i];
        if (m_inTrigger) {
            // A trigger body holds statements of its own; it ends at the END of its BEGIN.
            bool bodyEnds = false;
            if (node.isWord("CASE"))
                ++m_caseDepth;
            else if (node.isWord("BEGIN"))
                ++m_triggerDepth;
            else if (node.isWord("END") && m_caseDepth > 0)
                --m_caseDepth;
            else if (node.isWord("END"))
                bodyEnds = --m_triggerDepth <= 0;
            appendToCurrent(node);
            if (bodyEnds)
                flush();
            return;
        }
        if (node.is(TokenKind::Semicolon)) {
            flush();
            return;
        }
        if (node.token.kind == TokenKind::Word && !node.isGroup && m_caseDepth == 0) {
            if (node.isWord("ELSE")) {
                flush();
                m_pieces.push_back({BatchPiece::Kind::Else, {}});
                return;
            }
            if (node.isWord("BEGIN") && startsBlock(i)) {
                flush();
                m_pieces.push_back({BatchPiece::Kind::BlockBegin, {}});
                ++m_blockDepth;
                return;
            }
            if (node.isWord("END") && m_blockDepth > 0) {
                flush();
                m_pieces.push_back({BatchPiece::Kind::BlockEnd, {}});
                --m_blockDepth;
                return;
            }
            if (startsStatement(i)) {
                flush();
                if (node.isWord("IF")) {
                    m_currentKind = BatchPiece::Kind::If;
                    return;  // the condition follows
                }
            }
        }
        if (node.isWord("CASE"))
            ++m_caseDepth;
        else if (node.isWord("END") && m_caseDepth > 0)
            --m_caseDepth;
        appendToCurrent(node);  // moves the node
    }

    bool startsStatement(size_t i) const
    {
        const Node& node = m_batch[i];
        if (m_current.empty())
            return m_currentKind != BatchPiece::Kind::If && isStatementWord(i);
        const Node& previous = m_current.back();
        if (node.isWord("SELECT")) {
            if (isAnyWord(previous, {"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"}))
                return false;
            if (m_currentFirst == "INSERT" && !m_seenSelect && !m_seenValues)
                return false;  // INSERT INTO t(...) SELECT ...
            if (m_currentFirst == "WITH" && !m_seenMainVerb)
                return false;
            return true;
        }
        if (isAnyWord(node, {"INSERT", "UPDATE", "DELETE"})) {
            if (m_currentFirst == "WITH" && !m_seenMainVerb)
                return false;
            // ON CONFLICT DO UPDATE, ON DELETE, UPDATE OF in a trigger
            return !isAnyWord(previous, {"DO", "ON", "OF", "INSTEAD", "AFTER", "BEFORE", "FOR"});
        }
        if (node.isWord("IF")) {
            // CREATE TABLE IF NOT EXISTS, DROP TABLE IF EXISTS
            return !isAnyWord(previous, {"TABLE", "INDEX", "VIEW", "TRIGGER", "PROCEDURE",
                                         "FUNCTION", "SCHEMA", "DATABASE", "TYPE", "SEQUENCE"});
        }
        if (node.isWord("SET"))
            return !m_seenUpdate && m_currentFirst != "ALTER";
        if (isAnyWord(node, {"DROP", "ADD"}) && m_currentFirst == "ALTER")
            return false;  // ALTER TABLE t DROP COLUMN c
        return isStatementWord(i);
    }

    // BEGIN TRAN[SACTION] and a lone "BEGIN;" start a transaction; any other BEGIN a block.
    bool startsBlock(size_t i) const
    {
        if (i + 1 >= m_batch.size())
            return false;
        const Node& next = m_batch[i + 1];
        return !isTransactionWord(next) && !next.is(TokenKind::Semicolon);
    }

    bool isStatementWord(size_t i) const
    {
        const Node& node = m_batch[i];
        if (isAnyWord(node, {"SELECT", "INSERT", "UPDATE", "DELETE", "IF", "SET"}))
            return true;
        if (node.isWord("WITH"))
            return startsCommonTableExpression(i);
        return isPlainStatementWord(node);
    }

    // WITH name [(columns)] AS (...) begins a statement; WITH (NOLOCK) or WITH TIES do not.
    bool startsCommonTableExpression(size_t i) const
    {
        size_t j = i + 1;
        if (j < m_batch.size() && m_batch[j].isWord("RECURSIVE"))
            ++j;
        if (j >= m_batch.size() || m_batch[j].isGroup
            || (m_batch[j].token.kind != TokenKind::Word
                && m_batch[j].token.kind != TokenKind::QuotedName
                && m_batch[j].token.kind != TokenKind::BracketName))
            return false;
        ++j;
        if (j < m_batch.size() && m_batch[j].isGroup)
            ++j;
        return j < m_batch.size() && m_batch[j].isWord("AS");
    }

    void appendToCurrent(Node& node)
    {
        const bool first = m_current.empty() && m_currentKind == BatchPiece::Kind::Statement;
        if (first && !node.isGroup) {
            m_currentFirst = node.token.text.toUpper();
        } else if (m_currentFirst == "CREATE" && m_current.size() <= 2 && node.isWord("TRIGGER")) {
            m_inTrigger = true;  // CREATE [TEMP] TRIGGER
            m_triggerDepth = 0;
        }
        if (node.isWord("SELECT")) {
            m_seenSelect = true;
            m_seenMainVerb = m_seenMainVerb || !first;
        } else if (node.isWord("VALUES")) {
            m_seenValues = true;
        } else if (node.isWord("UPDATE")) {
            m_seenUpdate = true;
            m_seenMainVerb = m_seenMainVerb || !first;
        } else if (isAnyWord(node, {"INSERT", "DELETE"})) {
            m_seenMainVerb = m_seenMainVerb || !first;
        }
        m_current.push_back(std::move(node));
    }

    void flush()
    {
        if (!m_current.empty() || m_currentKind == BatchPiece::Kind::If)
            m_pieces.push_back({m_currentKind, std::move(m_current)});
        m_current.clear();
        m_currentKind = BatchPiece::Kind::Statement;
        m_currentFirst.clear();
        m_seenSelect = m_seenValues = m_seenUpdate = m_seenMainVerb = false;
        m_inTrigger = false;
        m_caseDepth = 0;
    }

    NodeList m_batch;
    std::vector<BatchPiece> m_pieces;
    NodeList m_current;
    BatchPiece::Kind m_currentKind = BatchPiece::Kind::Statement;
    QString m_currentFirst;  // first word of the current statement, upper case
    bool m_seenSelect = false;
    bool m_seenValues = false;
    bool m_seenUpdate = false;
    bool m_seenMainVerb = false;  // of a WITH statement
    bool m_inTrigger = false;
    int m_triggerDepth = 0;
    int m_caseDepth = 0;
    int m_blockDepth = 0;
};

} // namespace

std::vector<BatchPiece> splitBatch(NodeList batch)
{
    return Splitter(std::move(batch)).run();
}

} // namespace hostdb::sql
