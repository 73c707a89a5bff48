#include "framework/Archive.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

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

// Holds two child pointers, which may be the same object.
class CTestPair : public fw::CObject {
    FW_DECLARE_SERIAL(CTestPair)
public:
    CTestPoint* m_first = nullptr;
    CTestPoint* m_second = nullptr;
    ~CTestPair() override {
        if (m_second != m_first)
            delete m_second;
        delete m_first;
    }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteObject(m_first);
            ar.WriteObject(m_second);
        } else {
            m_first = ar.ReadObjectAs<CTestPoint>();
            m_second = ar.ReadObjectAs<CTestPoint>();
        }
    }
};
FW_IMPLEMENT_SERIAL(CTestPair, 0)

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

void Append(std::vector<uint8_t>& v, const std::string& s) { v.insert(v.end(), s.begin(), s.end()); }

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
    out << std::string("20\xC2\xB0" "C \xE2\x82\xAC"); // "20°C €"
    EXPECT_EQ(out.Bytes(), Bytes({6, '2', '0', 0xB0, 'C', ' ', 0x80}));
    CArchive in = CArchive::ForLoading(out.Bytes());
    EXPECT_EQ(in.ReadString(), "20\xC2\xB0" "C \xE2\x82\xAC");
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
    std::unique_ptr<CTestPoint> r1(in.ReadObjectAs<CTestPoint>());
    std::unique_ptr<CTestPoint> r2(in.ReadObjectAs<CTestPoint>());
    CTestPoint* r3 = in.ReadObjectAs<CTestPoint>();
    EXPECT_EQ(in.ReadObject(), nullptr);
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
    pair.m_first = new CTestPoint;
    pair.m_first->m_a = 42;
    pair.m_second = pair.m_first;
    CArchive out = CArchive::ForStoring();
    out.WriteObject(&pair);
    CArchive in = CArchive::ForLoading(out.Bytes());
    std::unique_ptr<CTestPair> back(in.ReadObjectAs<CTestPair>());
    ASSERT_TRUE(back && back->m_first);
    EXPECT_EQ(back->m_first->m_a, 42);
    EXPECT_EQ(back->m_second, back->m_first);
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
        loaded.emplace_back(in.ReadObjectAs<CTestPoint>());
    std::unique_ptr<CTestPair> pair(in.ReadObjectAs<CTestPair>());
    EXPECT_EQ(in.ReadObjectAs<CTestPair>(), pair.get());
    EXPECT_EQ(in.ReadObjectAs<CTestPoint>(), loaded.back().get());
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
        delete in.ReadObjectAs<CTestPoint>();
    std::unique_ptr<CTestPair> p1(in.ReadObjectAs<CTestPair>());
    std::unique_ptr<CTestPair> p2(in.ReadObjectAs<CTestPair>());
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
        int what; // 0 string, 1 object, 2 count, 3 object as CTestPoint
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
        {"object index never loaded", Bytes({0x05, 0x00}), CArchiveException::badIndex, 1},
        {"class index never loaded", Bytes({0x05, 0x80}), CArchiveException::badIndex, 1},
        {"class index zero", Bytes({0x00, 0x80}), CArchiveException::badIndex, 1},
        {"big object index", Bytes({0xFF, 0x7F, 0x00, 0x00, 0x00, 0x7F}),
         CArchiveException::badIndex, 1},
        {"object of another class", wrongClass, CArchiveException::badClass, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive in = CArchive::ForLoading(c.bytes);
        try {
            switch (c.what) {
            case 0: in.ReadString(); break;
            case 1: delete in.ReadObject(); break;
            case 2: in.ReadCount(); break;
            case 3: delete in.ReadObjectAs<CTestPoint>(); break;
            }
            ADD_FAILURE() << "no error raised";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << e.what();
            EXPECT_STRNE(e.what(), "");
        }
    }
}

TEST(Archive, BackReferenceToAFailedObjectIsRefused) {
    // An object whose record is cut, then a reference to it: the first read
    // fails; the archive never hands out the half-read object.
    std::vector<uint8_t> b = Bytes({0xFF, 0xFF, 0, 0, 10, 0});
    Append(b, "CTestPoint");
    b.push_back(1);
    CArchive in = CArchive::ForLoading(b);
    EXPECT_THROW(in.ReadObject(), CArchiveException);
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
        std::set<fw::CObject*> owned; // back-references return an object again
        try {
            while (in.Remaining() > 0) {
                if (round % 2)
                    owned.insert(in.ReadObject());
                else
                    in.ReadString();
            }
        } catch (const CArchiveException&) {
        }
        for (auto* o : owned)
            delete o;
    }
}
