#include "hostapp/database/SqlServerDialect.h"

#include "hostapp/database/SqlBatchSplitter.h"
#include "hostapp/database/SqlNestingLimit.h"
#include "hostapp/database/SqlStatementRewriter.h"
#include "hostapp/database/SqlTokenizer.h"

namespace hostdb {

namespace {

using sql::BatchPiece;

class ProgramBuilder {
public:
    ProgramBuilder(std::vector<BatchPiece> pieces, const SqlColumnKinds& columns, SqlTarget target)
        : m_pieces(std::move(pieces)), m_columns(columns), m_target(target)
    {
    }

    SqlProgram build()
    {
        while (m_next < m_pieces.size())
            compileNext(0);
        return std::move(m_program);
    }

private:
    int here() const { return static_cast<int>(m_program.steps.size()); }

    int add(SqlStep::Kind kind, QString sql = QString())
    {
        m_program.steps.push_back(SqlStep{kind, std::move(sql), 0});
        return here() - 1;
    }

    QString rewritten(sql::NodeList& nodes)
    {
        sql::rewriteStatement(nodes, m_columns, m_target, m_program.guessedColumns);
        return sql::render(nodes).trimmed();
    }

    bool nextIs(BatchPiece::Kind kind) const
    {
        return m_next < m_pieces.size() && m_pieces[m_next].kind == kind;
    }

    // Compiles one statement, IF or block, and everything it controls; `depth` counts the IFs
    // and blocks around it.
    void compileNext(int depth)
    {
        if (depth > sql::maxNesting)
            sql::refuseDeepNesting();
        BatchPiece& piece = m_pieces[m_next++];
        switch (piece.kind) {
        case BatchPiece::Kind::Statement: {
            QString text = rewritten(piece.nodes);
            if (!text.isEmpty())
                add(SqlStep::Kind::Run, std::move(text));
            break;
        }
        case BatchPiece::Kind::If: {
            const QString condition = rewritten(piece.nodes);
            const int test = add(SqlStep::Kind::SkipUnless,
                                 QStringLiteral("SELECT CASE WHEN ") + condition
                                     + QStringLiteral(" THEN 1 ELSE 0 END"));
            if (m_next < m_pieces.size() && !nextIs(BatchPiece::Kind::Else)
                && !nextIs(BatchPiece::Kind::BlockEnd))
                compileNext(depth + 1);
            if (nextIs(BatchPiece::Kind::Else)) {
                ++m_next;
                const int jump = add(SqlStep::Kind::Jump);
                m_program.steps[test].target = here();
                if (m_next < m_pieces.size() && !nextIs(BatchPiece::Kind::BlockEnd))
                    compileNext(depth + 1);
                m_program.steps[jump].target = here();
            } else {
                m_program.steps[test].target = here();
            }
            break;
        }
        case BatchPiece::Kind::BlockBegin:
            while (m_next < m_pieces.size() && !nextIs(BatchPiece::Kind::BlockEnd))
                compileNext(depth + 1);
            if (m_next < m_pieces.size())
                ++m_next;
            break;
        case BatchPiece::Kind::BlockEnd:
            break;
        case BatchPiece::Kind::Else:
            // An ELSE without its IF: left for the database to reject.
            add(SqlStep::Kind::Run, QStringLiteral("ELSE"));
            break;
        }
    }

    std::vector<BatchPiece> m_pieces;
    const SqlColumnKinds& m_columns;
    SqlTarget m_target;
    size_t m_next = 0;
    SqlProgram m_program;
};

} // namespace

SqlProgram SqlServerDialect::translate(const QString& batch) const
{
    return ProgramBuilder(sql::splitBatch(sql::nest(sql::tokenize(batch))), m_columns, m_target).build();
}

} // namespace hostdb
