#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using fw::CArchive;
using fw::CArchiveException;

namespace {

// A small serialisable class for the object records.
class CTestPoint : public fw::CObject {
    FW_DECLARE_SERIAL(CTestPoint)
public:
    int32_t m_a = 0;
    double m_b = 0;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_a << m_b;
        else
            ar >> m_a >> m_b;
    }
};
FW_IMPLEMENT_SERIAL(CTestPoint, 0)

// Owns its first point and refers to a second one, owned elsewhere (its own
// first point, or none).
class CTestPair : public fw::CObject {
    FW_DECLARE_SERIAL(CTestPair)
public:
    std::unique_ptr<CTestPoint> m_first;
    CTestPoint* m_alias = nullptr;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteObject(m_first.get());
            ar.WriteObject(m_alias);
        } else {
            m_first = ar.ReadOwned<CTestPoint>();
            m_alias = ar.ReadReference<CTestPoint>();
        }
    }
};
FW_IMPLEMENT_SERIAL(CTestPair, 0)

// Owns a point, then reads a check word and refuses a negative one by a plain
// exception, as a record that finds its data wrong may.
class CTestHolder : public fw::CObject {
    FW_DECLARE_SERIAL(CTestHolder)
public:
    std::unique_ptr<CTestPoint> m_point;
    int32_t m_check = 0;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteObject(m_point.get());
            ar << m_check;
            return;
        }
        m_point = ar.ReadOwned<CTestPoint>();
        ar >> m_check;
        if (m_check < 0)
            throw CArchiveException(CArchiveException::generic, "negative check word");
    }
};
FW_IMPLEMENT_SERIAL(CTestHolder, 0)

// Registered with schema 2: a file holding schema 1 must be refused.
class CTestVersioned : public fw::CObject {
    FW_DECLARE_SERIAL(CTestVersioned)
};
FW_IMPLEMENT_SERIAL(CTestVersioned, 2)

std::vector<uint8_t> Bytes(std::initializer_list<int> list) {
    std::vector<uint8_t> v;
    for (int b : list)
        v.push_back(static_cast<uint8_t>(b));
    return v;
}

void Append(std::vector<uint8_t>& v, const std::string& s) {
    v.insert(v.end(), s.begin(), s.end());
}

} // namespace

TEST(Archive, NumbersRoundTripLittleEndian) {
    CArchive out = CArchive::ForStoring();
    out << int32_t(-2) << uint16_t(0x1234) << 1.5 << uint8_t(7) << int64_t(-1);
    const auto& b = out.Bytes();
    ASSERT_EQ(b.size(), 4u + 2 + 8 + 1 + 8);
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[3], 0xFF);
    EXPECT_EQ(b[4], 0x34);
    EXPECT_EQ(b[5], 0x12);
    // 1.5 as an IEEE double: 3FF8000000000000, little-endian.
    EXPECT_EQ(b[12], 0xF8);
    EXPECT_EQ(b[13], 0x3F);

    CArchive in = CArchive::ForLoading(b);
    int32_t i;
    uint16_t w;
    double d;
    uint8_t c;
    int64_t q;
    in >> i >> w >> d >> c >> q;
    EXPECT_EQ(i, -2);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(q, -1);
    EXPECT_EQ(in.Remaining(), 0u);
}

// A store of megabytes in small pieces and large ones, across the steps in
// which the buffer grows (empty pieces too): every byte where it was written.
TEST(Archive, ManyPiecesAcrossTheGrowthStepsKeepEveryByte) {
    CArchive out = CArchive::ForStoring();
    std::vector<uint8_t> expected;
    std::vector<uint8_t> piece;
    uint32_t state = 12345;
    for (int k = 0; k < 40000; ++k) {
        state = state * 1103515245u + 12345u;
        const size_t size = k % 997 == 0 ? 70000 : (state >> 16) % 40;
        piece.resize(size);
        for (size_t i = 0; i < size; ++i)
            piece[i] = static_cast<uint8_t>(state >> (i % 24));
        out.Write(piece.data(), size);
        expected.insert(expected.end(), piece.begin(), piece.end());
    }
    ASSERT_EQ(out.Bytes().size(), expected.size());
    EXPECT_TRUE(out.Bytes() == expected);
}

TEST(Archive, StringLengthPrefixes) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    const Case cases[] = {
        {0, Bytes({0x00})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        CArchive out = CArchive::ForStoring();
        out << text;
        std::vector<uint8_t> expected = c.prefix;
        Append(expected, text);
        EXPECT_EQ(out.Bytes(), expected);
        CArchive in = CArchive::ForLoading(out.Bytes());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, TextsAreWindows1252OnFile) {
    CArchive out = CArchive::ForStoring();
    out << std::string("20\xC2\xB0"
                       "C \xE2\x82\xAC"); // "20°C €"
    EXPECT_EQ(out.Bytes(), Bytes({6, '2', '0', 0xB0, 'C', ' ', 0x80}));
    CArchive in = CArchive::ForLoading(out.Bytes());
    EXPECT_EQ(in.ReadString(), "20\xC2\xB0"
                               "C \xE2\x82\xAC");
}

TEST(Archive, TextOutsideWindows1252UsesThe16BitForm) {
    const std::string omega = "\xCE\xA9 1"; // "Ω 1"
    CArchive out = CArchive::ForStoring();
    out << omega;
    EXPECT_EQ(out.Bytes(), Bytes({0xFF, 0xFE, 0xFF, 3, 0xA9, 0x03, ' ', 0, '1', 0}));
    CArchive in = CArchive::ForLoading(out.Bytes());
    EXPECT_EQ(in.ReadString(), omega);
}

TEST(Archive, Loads16BitFormWithLongLength) {
    std::vector<uint8_t> b = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}); // 300 characters
    for (int i = 0; i < 300; ++i) {
        b.push_back('a');
        b.push_back(0);
    }
    CArchive in = CArchive::ForLoading(b);
    EXPECT_EQ(in.ReadString(), std::string(300, 'a'));
}

TEST(Archive, CountsEscapeAt0xFFFF) {
    struct Case {
        uint32_t count;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {0, Bytes({0, 0})},
        {0xFFFE, Bytes({0xFE, 0xFF})},
        {0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {70000, Bytes({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        CArchive out = CArchive::ForStoring();
        out.WriteCount(c.count);
        EXPECT_EQ(out.Bytes(), c.bytes);
        CArchive in = CArchive::ForLoading(c.bytes);
        EXPECT_EQ(in.ReadCount(), c.count);
    }
}

// A hand-built archive: a string of 300 characters, a count of 70000 and two
// objects of one class, the second written with a class back-reference.
TEST(Archive, ByteExactHandBuiltArchive) {
    CTestPoint p1, p2;
    p1.m_a = 1;
    p1.m_b = 0.5;
    p2.m_a = -1;
    p2.m_b = 2.0;
    CArchive out = CArchive::ForStoring();
    out << std::string(300, 'z');
    out.WriteCount(70000);
    out.WriteObject(&p1);
    out.WriteObject(&p2);
    out.WriteObject(&p1); // object back-reference
    out.WriteObject(nullptr);

    std::vector<uint8_t> expected = Bytes({0xFF, 0x2C, 0x01});
    Append(expected, std::string(300, 'z'));
    for (int b : {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})
        expected.push_back(static_cast<uint8_t>(b));
    // New class: tag 0xFFFF, schema 0, name length 10, "CTestPoint" (map index 1);
    // the object is index 2.
    for (int b : {0xFF, 0xFF, 0x00, 0x00, 0x0A, 0x00})
        expected.push_back(static_cast<uint8_t>(b));
    Append(expected, "CTestPoint");
    for (int b : {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x3F})
        expected.push_back(static_cast<uint8_t>(b));
    // Class back-reference 0x8001, object index 3.
    for (int b : {0x01, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40})
        expected.push_back(static_cast<uint8_t>(b));
    // Object back-reference to index 2, then the null tag.
    for (int b : {0x02, 0x00, 0x00, 0x00})
        expected.push_back(static_cast<uint8_t>(b));
    EXPECT_EQ(out.Bytes(), expected);

    CArchive in = CArchive::ForLoading(expected);
    EXPECT_EQ(in.ReadString(), std::string(300, 'z'));
    EXPECT_EQ(in.ReadCount(), 70000u);
    std::unique_ptr<CTestPoint> r1 = in.ReadOwned<CTestPoint>();
    std::unique_ptr<CTestPoint> r2 = in.ReadOwned<CTestPoint>();
    CTestPoint* r3 = in.ReadReference<CTestPoint>();
    EXPECT_EQ(in.ReadOwnedObject(), nullptr);
    ASSERT_TRUE(r1 && r2);
    EXPECT_EQ(r1->m_a, 1);
    EXPECT_EQ(r1->m_b, 0.5);
    EXPECT_EQ(r2->m_a, -1);
    EXPECT_EQ(r2->m_b, 2.0);
    EXPECT_EQ(r3, r1.get());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, NestedObjectsAndSharedReferencesRoundTrip) {
    CTestPair pair;
    pair.m_first = std::make_unique<CTestPoint>();
    pair.m_first->m_a = 42;
    pair.m_alias = pair.m_first.get();
    CArchive out = CArchive::ForStoring();
    out.WriteObject(&pair);
    CArchive in = CArchive::ForLoading(out.Bytes());
    std::unique_ptr<CTestPair> back = in.ReadOwned<CTestPair>();
    ASSERT_TRUE(back && back->m_first);
    EXPECT_EQ(back->m_first->m_a, 42);
    EXPECT_EQ(back->m_alias, back->m_first.get());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, BigTagsBeyond0x7FFE) {
    // The class takes map index 1 and 0x7FFF distinct objects of it take 2 to
    // 0x8000; a second class is then new at 0x8001 and its object is 0x8002.
    // Back-references to 0x8002 and 0x8000 pass 0x7FFE and need the big tag.
    std::vector<CTestPoint> points(0x7FFF);
    CArchive out = CArchive::ForStoring();
    for (auto& p : points)
        out.WriteObject(&p);
    CTestPair extra; // class 0x8001, object 0x8002
    out.WriteObject(&extra);
    out.WriteObject(&extra);
    out.WriteObject(&points.back());
    const auto& b = out.Bytes();
    // The last two records: object 0x8002 and object 0x8000, each 0x7FFF + 32 bits.
    std::vector<uint8_t> tail(b.end() - 12, b.end());
    EXPECT_EQ(tail, Bytes({0xFF, 0x7F, 0x02, 0x80, 0, 0, 0xFF, 0x7F, 0x00, 0x80, 0, 0}));

    CArchive in = CArchive::ForLoading(b);
    std::vector<std::unique_ptr<CTestPoint>> loaded;
    for (size_t i = 0; i < points.size(); ++i)
        loaded.push_back(in.ReadOwned<CTestPoint>());
    std::unique_ptr<CTestPair> pair = in.ReadOwned<CTestPair>();
    EXPECT_EQ(in.ReadReference<CTestPair>(), pair.get());
    EXPECT_EQ(in.ReadReference<CTestPoint>(), loaded.back().get());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, BigClassTagAfter0x7FFE) {
    std::vector<CTestPoint> points(0x7FFF); // class 1, objects 2 to 0x8000
    CTestPair pair1, pair2;                 // class 0x8001, objects 0x8002 and 0x8003
    CArchive out = CArchive::ForStoring();
    for (auto& p : points)
        out.WriteObject(&p);
    out.WriteObject(&pair1);
    out.WriteObject(&pair2);
    const auto& b = out.Bytes();
    // pair2: the big class back-reference, then its two null children.
    std::vector<uint8_t> tail(b.end() - 10, b.end());
    EXPECT_EQ(tail, Bytes({0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80, 0, 0, 0, 0}));

    CArchive in = CArchive::ForLoading(b);
    for (size_t i = 0; i < points.size(); ++i)
        in.ReadOwned<CTestPoint>();
    std::unique_ptr<CTestPair> p1 = in.ReadOwned<CTestPair>();
    std::unique_ptr<CTestPair> p2 = in.ReadOwned<CTestPair>();
    EXPECT_TRUE(p1 && p2 && p1 != p2);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, WrongDirectionRaises) {
    CArchive out = CArchive::ForStoring();
    int32_t v;
    try {
        out >> v;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    CArchive in = CArchive::ForLoading({});
    try {
        in << int32_t(1);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::readOnly);
    }
}

// Malformed archives: each must raise the named cause, never crash or
// allocate what the remaining bytes cannot hold.
TEST(Archive, MalformedInputsRaiseArchiveErrors) {
    std::vector<uint8_t> unknownClass = Bytes({0xFF, 0xFF, 0, 0, 4, 0});
    Append(unknownClass, "CBad");
    std::vector<uint8_t> oldSchema = Bytes({0xFF, 0xFF, 1, 0, 14, 0});
    Append(oldSchema, "CTestVersioned");
    std::vector<uint8_t> truncatedObject = Bytes({0xFF, 0xFF, 0, 0, 10, 0});
    Append(truncatedObject, "CTestPoint");
    truncatedObject.push_back(1);
    std::vector<uint8_t> wrongClass = Bytes({0xFF, 0xFF, 0, 0, 9, 0});
    Append(wrongClass, "CTestPair");

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        CArchiveException::Cause cause;
        int what; // 0 string, 1 owned object, 2 count, 3 owned CTestPoint, 4 reference
    };
    const Case cases[] = {
        {"empty string record", {}, CArchiveException::endOfFile, 0},
        {"string longer than the file", Bytes({5, 'a', 'b'}), CArchiveException::endOfFile, 0},
        {"huge 32-bit length", Bytes({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a'}),
         CArchiveException::endOfFile, 0},
        {"huge 16-bit string", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}),
         CArchiveException::endOfFile, 0},
        {"cut length word", Bytes({0xFF, 0x01}), CArchiveException::endOfFile, 0},
        {"cut count", Bytes({0xFF, 0xFF, 0x01}), CArchiveException::endOfFile, 2},
        {"unknown class", unknownClass, CArchiveException::badClass, 1},
        {"class name cut", Bytes({0xFF, 0xFF, 0, 0, 200, 0, 'C'}), CArchiveException::endOfFile, 1},
        {"unsupported schema", oldSchema, CArchiveException::badSchema, 1},
        {"object record cut", truncatedObject, CArchiveException::endOfFile, 1},
        {"object index never loaded", Bytes({0x05, 0x00}), CArchiveException::badIndex, 4},
        {"class index never loaded", Bytes({0x05, 0x80}), CArchiveException::badIndex, 1},
        {"class index zero", Bytes({0x00, 0x80}), CArchiveException::badIndex, 1},
        {"big object index", Bytes({0xFF, 0x7F, 0x00, 0x00, 0x00, 0x7F}),
         CArchiveException::badIndex, 4},
        {"class index as a reference", Bytes({0x01, 0x80}), CArchiveException::badIndex, 4},
        {"object of another class", wrongClass, CArchiveException::badClass, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive in = CArchive::ForLoading(c.bytes);
        try {
            switch (c.what) {
            case 0:
                in.ReadString();
                break;
            case 1:
                in.ReadOwnedObject();
                break;
            case 2:
                in.ReadCount();
                break;
            case 3:
                in.ReadOwned<CTestPoint>();
                break;
            case 4:
                in.ReadReferenceObject();
                break;
            }
            ADD_FAILURE() << "no error raised";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << e.what();
            EXPECT_STRNE(e.what(), "");
        }
    }
}

// The object record of a CTestPoint with its new-class record.
std::vector<uint8_t> NewPointRecord(int32_t a) {
    std::vector<uint8_t> b = Bytes({0xFF, 0xFF, 0, 0, 10, 0});
    Append(b, "CTestPoint");
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(a) >> (8 * i)));
    for (int i = 0; i < 8; ++i)
        b.push_back(0); // 0.0
    return b;
}

// An owned read hands over a new object; an object read before already has
// an owner, so an owned read refuses a back-reference to it, and a reference
// read refuses a new object, which nobody would own.
TEST(Archive, OwnedAndReferenceReadsEachRefuseTheOtherKind) {
    std::vector<uint8_t> b = NewPointRecord(7);
    for (int x : {0x02, 0x00}) // back-reference to object 2
        b.push_back(static_cast<uint8_t>(x));
    {
        CArchive in = CArchive::ForLoading(b);
        std::unique_ptr<CTestPoint> point = in.ReadOwned<CTestPoint>();
        ASSERT_TRUE(point);
        EXPECT_EQ(point->m_a, 7);
        try {
            in.ReadOwned<CTestPoint>();
            ADD_FAILURE() << "a back-reference was handed over as a new owned object";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex) << e.what();
        }
    }
    {
        CArchive in = CArchive::ForLoading(b);
        try {
            in.ReadReference<CTestPoint>();
            ADD_FAILURE() << "a new object was read as a reference, with no owner";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex) << e.what();
        }
    }
}

// A holder (object 2) owns a point (object 4) and then fails: the point is
// freed with it. A later back-reference to the point must be refused, even
// when the caller goes on reading after the error; handing it out would give
// freed memory.
TEST(Archive, BackReferenceToAFailedObjectIsRefused) {
    std::vector<uint8_t> b = Bytes({0xFF, 0xFF, 0, 0, 11, 0}); // class 1
    Append(b, "CTestHolder");
    std::vector<uint8_t> point = NewPointRecord(5); // class 3, object 4
    b.insert(b.end(), point.begin(), point.end());
    for (int x : {0xFF, 0xFF, 0xFF, 0xFF}) // check word -1: the holder fails
        b.push_back(static_cast<uint8_t>(x));
    for (int x : {0x04, 0x00}) // back-reference to object 4, the freed point
        b.push_back(static_cast<uint8_t>(x));

    CArchive in = CArchive::ForLoading(b);
    EXPECT_THROW(in.ReadOwned<CTestHolder>(), CArchiveException);
    ASSERT_EQ(in.Remaining(), 2u);
    fw::CObject* freed = nullptr;
    try {
        freed = in.ReadReferenceObject(); // untyped: nothing looks into the object

    } catch (const CArchiveException&) {
    }
    EXPECT_EQ(freed, nullptr) << "the point freed with its failed owner was handed out";
}

// After the first error the archive reads nothing more, whatever follows.
TEST(Archive, NothingIsReadAfterTheFirstError) {
    CArchive in = CArchive::ForLoading(Bytes({0x05, 0x80, 0x03, 0x00, 0x00}));
    EXPECT_THROW(in.ReadOwnedObject(), CArchiveException); // class index 5 was never read
    EXPECT_TRUE(in.HasFailed());
    try {
        in.ReadCount();
        ADD_FAILURE() << "a count was read after an error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::generic);
    }
    EXPECT_THROW(in.ReadString(), CArchiveException);
}

// The reading version travels with the archive: a new archive reads the
// newest layout; what one loader sets stays on its own archive.
TEST(Archive, ReadingVersionBelongsToTheArchive) {
    CArchive first = CArchive::ForLoading({});
    EXPECT_EQ(first.GetReadVersion(), CArchive::kNewestVersion);
    first.SetReadVersion(1.15);
    EXPECT_EQ(first.GetReadVersion(), 1.15);
    CArchive second = CArchive::ForLoading({});
    EXPECT_EQ(second.GetReadVersion(), CArchive::kNewestVersion);
    EXPECT_TRUE(second.GetReadVersion() >= 1.2);
}

TEST(Archive, RandomGarbageNeverCrashes) {
    // Deterministic pseudo-random inputs: any error must be an archive error.
    uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> b(static_cast<size_t>(round % 40));
        for (auto& x : b) {
            seed = seed * 1103515245 + 12345;
            x = static_cast<uint8_t>(seed >> 16);
        }
        if (b.size() > 1 && round % 3 == 0) {
            b[0] = 0xFF;
            b[1] = 0xFF;
        }
        CArchive in = CArchive::ForLoading(b);
        std::vector<std::unique_ptr<fw::CObject>> owned;
        try {
            while (in.Remaining() > 0) {
                switch (round % 4) {
                case 1:
                    owned.push_back(in.ReadOwnedObject());
                    break;
                case 3:
                    in.ReadReferenceObject();
                    break;
                default:
                    in.ReadString();
                    break;
                }
            }
        } catch (const CArchiveException&) {
        }
    }
}
