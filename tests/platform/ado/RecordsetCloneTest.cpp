// Clones share the rows but not the cursor, filter or sort; bookmarks travel between clones
// and nowhere else.
#include "AdoTestData.h"

#include "platform/com/ErrorCodes.h"

using namespace adotest;

namespace {

TEST(RecordsetClone, SharesRowsButStartsFreshOnTheFirstRecord)
{
    auto rs = sampleRecordset();
    rs->SetFilter("FQty > 1");
    rs->SetSort("FQty DESC");
    rs->MoveNext();
    auto clone = rs->Clone();
    EXPECT_EQ(clone->storage(), rs->storage());
    EXPECT_EQ(clone->Filter() + clone->Sort(), "");
    EXPECT_EQ(clone->RecordCount(), 7);
    EXPECT_EQ(currentId(*clone), 1);
    clone->MoveLast();
    clone->SetFilter("FID < 3");
    EXPECT_EQ(currentId(*rs), 1) << "the original's cursor did not move";
    EXPECT_EQ(visibleIds(*rs), (Ids{5, 1, 7, 2}));
    rs->Close();
    EXPECT_EQ(visibleIds(*clone), (Ids{1, 2})) << "closing leaves clones open";
}

TEST(RecordsetClone, BookmarkLandsOnTheSameRowInAnotherClonesOrder)
{
    auto rs = sampleRecordset();
    rs->SetSort("FQty DESC");
    auto clone = rs->Clone();
    clone->SetFilter("FName Like '*bolt*'");
    clone->Move(1);  // second match in query order: row 3
    const ado::Bookmark mark = clone->Bookmark();
    rs->SetBookmark(mark);
    EXPECT_EQ(rs->Bookmark(), mark);
    EXPECT_EQ(currentId(*rs), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 6);  // 5 1 7 2 6 [3] 4
    rs->Move(-1, mark);
    EXPECT_EQ(currentId(*rs), 6);
    rs->Move(1, mark);
    EXPECT_EQ(currentId(*rs), 4);
}

TEST(RecordsetClone, ForeignOrHiddenBookmarksRaise3001)
{
    auto rs = sampleRecordset();
    const ado::Bookmark foreign = sampleRecordset()->Bookmark();  // the same rows opened again
    const ado::Bookmark row1 = rs->Clone()->Bookmark();
    rs->MoveNext();
    expectComError([&] { rs->SetBookmark(foreign); }, com::ADO_ARGUMENTS_WRONG, "书签");
    expectComError([&] { rs->Move(0, foreign); }, com::ADO_ARGUMENTS_WRONG, "书签");
    expectComError([&] { rs->SetBookmark({}); }, com::ADO_ARGUMENTS_WRONG);
    expectComError([&] { rs->SetBookmark({rs->storage().get(), 99}); }, com::ADO_ARGUMENTS_WRONG);
    rs->SetFilter("FID > 1");
    expectComError([&] { rs->SetBookmark(row1); }, com::ADO_ARGUMENTS_WRONG, "筛选");
    EXPECT_EQ(currentId(*rs), 2);
}

} // namespace
