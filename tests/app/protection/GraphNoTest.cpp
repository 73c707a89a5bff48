#include "app/protection/CGraphNoList.h"
#include "framework/Archive.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fw::CArchive;
using fw::CArchiveException;

namespace {

CGraphNoList ListOf(std::initializer_list<uint32_t> numbers) {
    CGraphNoList list;
    for (uint32_t n : numbers)
        list.DoAddNewGraphNo()->DoSetGraphNo(n, 0);
    return list;
}

std::vector<uint32_t> Numbers(const CGraphNoList& list) {
    std::vector<uint32_t> numbers;
    for (const auto& entry : list)
        numbers.push_back(entry->GetGraphNo());
    return numbers;
}

TEST(GraphNoTest, SetGraphNoAppendsPlacements) {
    struct Row {
        int count;
        int placements;
    };
    for (Row row : {Row{0, 0}, Row{-1, 0}, Row{2, 2}}) {
        CGraphNo entry;
        entry.DoSetGraphNo(5, row.count);
        EXPECT_EQ(entry.GetGraphNo(), 5u);
        EXPECT_EQ(entry.m_listRefV2.GetCount(), row.placements) << row.count;
    }
    // Placements already there stay.
    CGraphNo entry;
    entry.DoSetGraphNo(5, 1);
    entry.m_listRefV2.GetAtIndex(0)->m_nSpare = 42;
    entry.DoSetGraphNo(6, 2);
    EXPECT_EQ(entry.GetGraphNo(), 6u);
    ASSERT_EQ(entry.m_listRefV2.GetCount(), 3);
    EXPECT_EQ(entry.m_listRefV2.GetAtIndex(0)->m_nSpare, 42);
    EXPECT_EQ(entry.m_listRefV2.GetAtIndex(2)->m_crColour, 0xFF0000u);
}

TEST(GraphNoTest, FindNeverMatchesGraphZero) {
    CGraphNoList list;
    CGraphNo* fresh = list.DoAddNewGraphNo();
    EXPECT_EQ(fresh->GetGraphNo(), 0u);
    EXPECT_EQ(fresh->m_listRefV2.GetCount(), 0);
    EXPECT_EQ(list.DoFindGraphNo(0), nullptr);
    EXPECT_EQ(CGraphNoList().DoFindGraphNo(3), nullptr);

    CGraphNo* first = list.DoAddNewGraphNo();
    first->DoSetGraphNo(3, 1);
    list.DoAddNewGraphNo()->DoSetGraphNo(3, 2);
    EXPECT_EQ(list.DoFindGraphNo(3), first);
    EXPECT_EQ(list.DoFindGraphNo(4), nullptr);
}

TEST(GraphNoTest, DeleteGraphNo) {
    struct Row {
        std::vector<uint32_t> before;
        uint32_t number;
        int32_t result;
        std::vector<uint32_t> after;
    };
    const Row rows[] = {
        {{}, 0, 0, {}},         {{1, 2, 3}, 0, 1, {}}, {{4, 2, 4, 5}, 4, 1, {2, 5}},
        {{1, 2}, 9, 0, {1, 2}}, {{0, 2}, 2, 1, {0}},
    };
    for (const Row& row : rows) {
        CGraphNoList list;
        for (uint32_t n : row.before)
            list.DoAddNewGraphNo()->DoSetGraphNo(n, 1);
        EXPECT_EQ(list.DoDeleteGraphNo(row.number), row.result) << row.number;
        EXPECT_EQ(Numbers(list), row.after) << row.number;
    }
}

TEST(GraphNoTest, CopyAllReplacesWithDeepCopies) {
    CGraphNoList source = ListOf({2, 7});
    source.DoFindGraphNo(7)->DoSetGraphNo(7, 2);
    source.DoFindGraphNo(7)->m_listRefV2.GetAtIndex(1)->m_nSelected = 1;
    CGraphNoList target = ListOf({9});
    target.DoCopyAllGraphNo(source);
    EXPECT_EQ(Numbers(target), (std::vector<uint32_t>{2, 7}));
    CGraphNo* copied = target.DoFindGraphNo(7);
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, source.DoFindGraphNo(7));
    EXPECT_EQ(copied->m_listRefV2.IsSelected(1), 1);
    EXPECT_NE(copied->m_listRefV2.GetAtIndex(1),
              source.DoFindGraphNo(7)->m_listRefV2.GetAtIndex(1));

    target.DoCopyAllGraphNo(CGraphNoList());
    EXPECT_TRUE(target.IsEmpty());

    // Copying a list onto itself keeps it.
    source.DoCopyAllGraphNo(source);
    EXPECT_EQ(Numbers(source), (std::vector<uint32_t>{2, 7}));
}

template <class Record> std::vector<uint8_t> Store(Record& record) {
    CArchive ar = CArchive::ForStoring();
    record.Serialize(ar);
    return ar.Bytes();
}

// fixtures/CGraphNoList_two.hex: graph 3 with one selected placement, graph 7
// with a default placement and one whose rectangle is (10, 20, 110, 5); the
// second entry and the later placements name their classes by back-reference.
TEST(GraphNoTest, ListMatchesTheHandWrittenRecord) {
    const std::vector<uint8_t> fixture =
        tvtest::ReadHexFixture("app/protection/fixtures/CGraphNoList_two.hex");
    CGraphNoList list;
    CGraphNo* first = list.DoAddNewGraphNo();
    first->DoSetGraphNo(3, 1);
    first->m_listRefV2.GetAtIndex(0)->m_nSelected = 1;
    CGraphNo* second = list.DoAddNewGraphNo();
    second->DoSetGraphNo(7, 2);
    second->m_listRefV2.GetAtIndex(1)->m_rect = fw::CRect(10, 20, 110, 5);
    EXPECT_EQ(Store(list), fixture);

    CArchive in = CArchive::ForLoading(fixture);
    CGraphNoList loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(Numbers(loaded), (std::vector<uint32_t>{3, 7}));
    const CObjRefV2List& labels3 = loaded.DoFindGraphNo(3)->m_listRefV2;
    ASSERT_EQ(labels3.GetCount(), 1);
    EXPECT_EQ(labels3.IsSelected(0), 1);
    EXPECT_EQ(labels3.GetAtIndex(0)->m_crColour, 0xFF0000u);
    EXPECT_EQ(labels3.GetAtIndex(0)->m_crBack, 0xFFFFFFu);
    const CObjRefV2List& labels7 = loaded.DoFindGraphNo(7)->m_listRefV2;
    ASSERT_EQ(labels7.GetCount(), 2);
    EXPECT_EQ(labels7.IsSelected(0), 0);
    EXPECT_EQ(labels7.GetAtIndex(0)->m_rect, fw::CRect());
    EXPECT_EQ(labels7.GetAtIndex(1)->m_rect, fw::CRect(10, 20, 110, 5));
    EXPECT_EQ(Store(loaded), fixture);
}

TEST(GraphNoTest, ListRecordOfAVersion10File) {
    // Labels of a 1.0 file have no points: 68 bytes each.
    CArchive old = CArchive::ForStoring();
    old.WriteCount(1);
    old << uint16_t{0xFFFF} << uint16_t{0} << uint16_t{8};
    old.Write("CGraphNo", 8);
    old << uint32_t{4};
    old.WriteCount(1);
    old << uint16_t{0xFFFF} << uint16_t{0} << uint16_t{9};
    old.Write("CObjRefV2", 9);
    old << int32_t{1} << uint32_t{0x00FF00} << uint32_t{0xFFFFFF} << int32_t{0};
    for (int32_t v : {10, 20, 110, 5, 50, 0, 0, 0, 0, 0, 0, 0, 0})
        old << v;
    std::vector<uint8_t> bytes = old.Bytes();

    CArchive in = CArchive::ForLoading(bytes);
    CGraphNoList loaded;
    in.SetReadVersion(1.0);
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    CGraphNo* entry = loaded.DoFindGraphNo(4);
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->m_listRefV2.GetCount(), 1);
    const CObjRefV2* ref = entry->m_listRefV2.GetAtIndex(0);
    EXPECT_EQ(ref->m_nSelected, 1);
    EXPECT_EQ(ref->m_crColour, 0x00FF00u);
    EXPECT_EQ(ref->m_rect, (fw::CRect(10, 20, 110, 5)));
    EXPECT_EQ(ref->m_ptOffset, (fw::CPoint(50, 0)));
    EXPECT_EQ(ref->m_ptValue.m_dX, 0.0);

    // Saved again it has the newest layout and reads back the same.
    CArchive out = CArchive::ForStoring();
    loaded.Serialize(out);
    EXPECT_EQ(out.Bytes().size(), bytes.size() + 32u);
    CArchive again = CArchive::ForLoading(out.Bytes());
    CGraphNoList reloaded;
    reloaded.Serialize(again);
    CArchive out2 = CArchive::ForStoring();
    reloaded.Serialize(out2);
    EXPECT_EQ(out2.Bytes(), out.Bytes());
}

TEST(GraphNoTest, AnotherClassWhereAnEntryBelongsIsAnArchiveError) {
    // A list whose entry is a label placement instead of a graph entry.
    CArchive ar = CArchive::ForStoring();
    ar.WriteCount(1);
    CObjRefV2 ref;
    ar.WriteObject(&ref);
    CArchive in = CArchive::ForLoading(ar.Bytes());
    CGraphNoList list;
    try {
        list.Serialize(in);
        ADD_FAILURE() << "no error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
    EXPECT_TRUE(list.IsEmpty());
}

TEST(GraphNoTest, RepeatedOrMissingEntryIsAnArchiveError) {
    // The second entry refers back to the first (the class "CGraphNo" is map
    // index 1, the first entry object 2), which the list already owns; then a
    // null entry.
    for (uint16_t second : {uint16_t{2}, uint16_t{0}}) {
        CArchive ar = CArchive::ForStoring();
        ar.WriteCount(2);
        CGraphNo entry;
        entry.DoSetGraphNo(3, 0);
        ar.WriteObject(&entry);
        ar << second;
        CArchive in = CArchive::ForLoading(ar.Bytes());
        CGraphNoList list;
        EXPECT_THROW(list.Serialize(in), CArchiveException) << second;
        EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{3}));
    }
}

// A graph entry that fails after reading a label placement frees the
// placement with it; a back-reference to the placement read after the error
// must be refused, not handed out.
TEST(GraphNoTest, PlacementOfAFailedEntryCannotBeReferredTo) {
    CArchive ar = CArchive::ForStoring();
    ar.WriteCount(1);
    ar << uint16_t{0xFFFF} << uint16_t{0} << uint16_t{8}; // class 1, entry object 2
    ar.Write("CGraphNo", 8);
    ar << uint32_t{3}; // graph number
    ar.WriteCount(2);  // two placements:
    CObjRefV2 ref;
    ar.WriteObject(&ref);                                 // class 3, object 4
    ar << uint16_t{0xFFFF} << uint16_t{0} << uint16_t{4}; // an unknown class
    ar.Write("CBad", 4);
    ar << uint16_t{4}; // back to object 4
    CArchive in = CArchive::ForLoading(ar.Bytes());
    CGraphNoList list;
    EXPECT_THROW(list.Serialize(in), CArchiveException);
    EXPECT_TRUE(list.IsEmpty());
    ASSERT_EQ(in.Remaining(), 2u);
    fw::CObject* freed = nullptr;
    try {
        freed = in.ReadReferenceObject();
    } catch (const CArchiveException&) {
    }
    EXPECT_EQ(freed, nullptr);
}

} // namespace
