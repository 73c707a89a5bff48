// The selection candidate: its stored record, assignment, texts and the
// owning list.

#include "breakerdata/model/CCandidate.h"

#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using fw::CArchive;

namespace {

CCandidate Filled() {
    CCandidate c;
    c.m_lManufactureID = 1;
    c.m_lGroupID = 2;
    c.m_nLVCBCode = 11;
    c.m_lTypeID = 125;
    c.m_dIcs = 37500.0;
    c.m_dIcu = 50000.0;
    c.m_dIq = 12500.5;
    c.m_dSpare[0] = 1.0;
    c.m_dSpare[1] = 2.0;
    c.m_dSpare[2] = 3.0;
    c.m_bJIS = 1;
    return c;
}

std::vector<uint8_t> Expected(const CCandidate& c) {
    std::vector<uint8_t> bytes;
    auto raw = [&](const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
    };
    for (int32_t v : {c.m_lManufactureID, c.m_lGroupID, c.m_nLVCBCode, c.m_lTypeID})
        raw(&v, 4);
    for (double v : {c.m_dIcs, c.m_dIcu, c.m_dIq})
        raw(&v, 8);
    return bytes;
}

} // namespace

TEST(CandidateRecord, StoresSevenValuesIn40BytesAndReloadsWithoutSparesOrJisFlag) {
    CCandidate c = Filled();
    CArchive out = CArchive::ForStoring();
    c.Serialize(out);
    ASSERT_EQ(out.Bytes().size(), 40u);
    EXPECT_EQ(out.Bytes(), Expected(c));

    CCandidate back;
    back.m_dSpare[1] = 9.0;
    back.m_bJIS = 1;
    CArchive in = CArchive::ForLoading(out.Bytes());
    back.Serialize(in);
    EXPECT_EQ(back.m_lManufactureID, 1);
    EXPECT_EQ(back.m_lGroupID, 2);
    EXPECT_EQ(back.m_nLVCBCode, 11);
    EXPECT_EQ(back.m_lTypeID, 125);
    EXPECT_EQ(back.m_dIcs, 37500.0);
    EXPECT_EQ(back.m_dIcu, 50000.0);
    EXPECT_EQ(back.m_dIq, 12500.5);
    EXPECT_EQ(back.m_dSpare[0], 0.0);
    EXPECT_EQ(back.m_dSpare[1], 0.0);
    EXPECT_EQ(back.m_dSpare[2], 0.0);
    EXPECT_EQ(back.m_bJIS, 0);
}

TEST(CandidateRecord, AListRoundTripsAsObjectRecordsByClassName) {
    CCandidateList list;
    *list.DoAddNewCandidate() = Filled();
    CCandidate* second = list.DoAddNewCandidate();
    second->m_lTypeID = 124;
    second->m_dIcu = 25000.0;
    CArchive out = CArchive::ForStoring();
    list.Serialize(out);

    CCandidateList back;
    CArchive in = CArchive::ForLoading(out.Bytes());
    back.Serialize(in);
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_EQ(back.GetAt(0)->m_lTypeID, 125);
    EXPECT_EQ(back.GetAt(0)->m_dIq, 12500.5);
    EXPECT_EQ(back.GetAt(0)->m_bJIS, 0);
    EXPECT_EQ(back.GetAt(1)->m_lTypeID, 124);
    EXPECT_EQ(back.GetAt(1)->m_dIcu, 25000.0);
    EXPECT_STREQ(back.GetAt(0)->GetRuntimeClass()->m_lpszClassName, "CCandidate");
}

TEST(CandidateRecord, ATruncatedRecordIsAnArchiveError) {
    CCandidate c = Filled();
    CArchive out = CArchive::ForStoring();
    c.Serialize(out);
    std::vector<uint8_t> bytes = out.Bytes();
    bytes.resize(36);
    CCandidate back;
    CArchive in = CArchive::ForLoading(bytes);
    EXPECT_THROW(back.Serialize(in), fw::CArchiveException);
}

TEST(Candidate, AssignmentCopiesSevenValuesAndKeepsTheTargetsSparesAndJisFlag) {
    CCandidate target;
    target.m_dSpare[0] = 7.0;
    target.m_bJIS = 1;
    target = Filled();
    EXPECT_EQ(target.m_lManufactureID, 1);
    EXPECT_EQ(target.m_lGroupID, 2);
    EXPECT_EQ(target.m_nLVCBCode, 11);
    EXPECT_EQ(target.m_lTypeID, 125);
    EXPECT_EQ(target.m_dIcs, 37500.0);
    EXPECT_EQ(target.m_dIcu, 50000.0);
    EXPECT_EQ(target.m_dIq, 12500.5);
    EXPECT_EQ(target.m_dSpare[0], 7.0);
    EXPECT_EQ(target.m_dSpare[1], 0.0);
    EXPECT_EQ(target.m_bJIS, 1);

    target.m_bJIS = 0;
    target = Filled();
    EXPECT_EQ(target.m_bJIS, 0);
}

TEST(Candidate, CapacityTextsInKiloamperes) {
    struct Case {
        double amperes;
        int unitFlag;
        const char* text;
    };
    // The unit follows only a value above 0.
    const Case cases[] = {
        {50000.0, 0, "50.00"},   {50000.0, 1, "50.00kA"}, {12500.0, 1, "12.50kA"},
        {36000.0, 2, "36.00"},   {0.0, 1, "0.000"},       {-1000.0, 1, "No data"},
        {-1000.0, 0, "No data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amperes);
        CCandidate ics;
        ics.m_dIcs = c.amperes;
        ics.m_dIcu = 7.0;
        EXPECT_EQ(ics.DoGetTextIcs(c.unitFlag), c.text);
        CCandidate icu;
        icu.m_dIcu = c.amperes;
        icu.m_dIcs = 7.0;
        EXPECT_EQ(icu.DoGetTextIcu(c.unitFlag), c.text);
    }
}

TEST(CandidateList, FindAddCopyAndDeleteAll) {
    CCandidateList list;
    EXPECT_EQ(list.DoFindFromCandidate(5), nullptr);
    CCandidate* a = list.DoAddNewCandidate();
    EXPECT_EQ(a->m_lTypeID, 0);
    EXPECT_EQ(a->m_dIcu, 0.0);
    a->m_lTypeID = 5;
    CCandidate* b = list.DoAddNewCandidate();
    b->m_lTypeID = 5;
    b->m_dIcu = 1.0;
    // The first from the head; ids of 0 or less find nothing, even a zeroed
    // candidate.
    EXPECT_EQ(list.DoFindFromCandidate(5), a);
    list.DoAddNewCandidate();
    EXPECT_EQ(list.DoFindFromCandidate(0), nullptr);
    EXPECT_EQ(list.DoFindFromCandidate(-1), nullptr);
    EXPECT_EQ(list.GetTail()->m_lTypeID, 0);

    a->m_bJIS = 1;
    CCandidateList copy;
    copy.DoAddNewCandidate()->m_lTypeID = 99;
    copy.DoCopyAllCandidate(&list);
    ASSERT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.DoFindFromCandidate(99), nullptr);
    EXPECT_EQ(copy.GetAt(1)->m_dIcu, 1.0);
    EXPECT_EQ(copy.GetAt(0)->m_bJIS, 0);
    EXPECT_NE(copy.GetAt(0), a);

    // Onto itself the list stays as it is; from nothing it becomes empty.
    list.DoCopyAllCandidate(&list);
    EXPECT_EQ(list.GetCount(), 3);
    copy.DoCopyAllCandidate(nullptr);
    EXPECT_EQ(copy.GetCount(), 0);

    list.DoDeleteAllCandidate();
    EXPECT_EQ(list.GetCount(), 0);
}
