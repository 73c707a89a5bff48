// The copy of a DXF form file with a graph's entities put in: where they go
// in forms with several sections, and which form a graph is written on.

#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// A stand-in for the graph's entities that is easy to find.
const char* const kEntities = "0\nPOINT\n8\n4\n10\n1\n20\n2\n";

struct Copy {
    bool inserted;
    std::string text;
    int calls;
};

Copy CopyForm(const std::string& form) {
    std::istringstream in(form);
    std::ostringstream out;
    int calls = 0;
    const bool inserted = CTovarineDocData::DoCopyDXFForm(in, out, [&calls](std::ostream& o) {
        ++calls;
        o << kEntities;
    });
    return {inserted, out.str(), calls};
}

} // namespace

// Each form is written out pair by pair as it was read, "\r\n" becoming
// "\n"; the expected texts are put together by hand from the form's pieces.
TEST(DxfForm, EntitiesGoOnceBeforeTheEndOfTheEntitiesSection_FaultAnyLaterEndsec) {
    const std::string header = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n";
    const std::string entitiesHead = "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n";
    const std::string endsec = "0\nENDSEC\n";
    const std::string blocks = "0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n";
    const std::string objects = "0\nSECTION\n2\nOBJECTS\n0\nDICTIONARY\n0\nENDSEC\n";
    // A text whose words are "ENDSEC" and "ENTITIES" is no section mark.
    const std::string textEndsec = "0\nTEXT\n8\n0\n1\nENDSEC\n";
    const std::string textEntities = "0\nTEXT\n8\n0\n1\nENTITIES\n";
    const std::string eof = "0\nEOF\n";
    struct Case {
        const char* what;
        std::string form;
        std::string expected;
    } cases[] = {
        {"entities the last section", header + entitiesHead + endsec + eof,
         header + entitiesHead + kEntities + endsec + eof},
        {"sections with their ENDSEC after the entities",
         header + blocks + entitiesHead + endsec + objects + blocks + eof,
         header + blocks + entitiesHead + kEntities + endsec + objects + blocks + eof},
        {"a text reading ENDSEC inside the entities",
         header + entitiesHead + textEndsec + endsec + objects + eof,
         header + entitiesHead + textEndsec + kEntities + endsec + objects + eof},
        {"a text reading ENTITIES in the header",
         "0\nSECTION\n2\nHEADER\n" + textEntities + endsec + entitiesHead + endsec + eof,
         "0\nSECTION\n2\nHEADER\n" + textEntities + endsec + entitiesHead + kEntities + endsec +
             eof},
        {"a block named ENTITIES before the entities",
         header + "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nENTITIES\n0\nENDBLK\n" + endsec +
             entitiesHead + endsec + eof,
         header + "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nENTITIES\n0\nENDBLK\n" + endsec +
             entitiesHead + kEntities + endsec + eof},
        {"an empty entities section", header + "0\nSECTION\n2\nENTITIES\n" + endsec + objects + eof,
         header + "0\nSECTION\n2\nENTITIES\n" + kEntities + endsec + objects + eof},
    };
    for (const Case& c : cases) {
        Copy copy = CopyForm(c.form);
        EXPECT_TRUE(copy.inserted) << c.what;
        EXPECT_EQ(copy.calls, 1) << c.what;
        EXPECT_EQ(copy.text, c.expected) << c.what;
        // The same form with the platform's "\r\n" line ends gives the same
        // copy.
        std::string crlf;
        for (char ch : c.form)
            crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        copy = CopyForm(crlf);
        EXPECT_EQ(copy.calls, 1) << c.what;
        EXPECT_EQ(copy.text, c.expected) << c.what;
    }
}

TEST(DxfForm, FormWithoutAClosedEntitiesSectionIsRefused) {
    const struct {
        const char* what;
        std::string form;
    } cases[] = {
        {"no entities section", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n"},
        {"entities never closed", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n"},
        {"an empty file", ""},
        {"a value line missing at the end", "0\nSECTION\n2\nENTITIES\n0\n"},
    };
    for (const auto& c : cases) {
        const Copy copy = CopyForm(c.form);
        EXPECT_FALSE(copy.inserted) << c.what;
        EXPECT_EQ(copy.calls, 0) << c.what;
    }
}

// The lower current bound chooses the form: not above 0.2 the low form, below
// 2.0 the middle one, from 2.0 the high one.
TEST(DxfForm, LowerCurrentBoundChoosesTheForm) {
    const struct {
        double currentMin;
        int form;
    } cases[] = {{0.01, 0}, {0.1, 0}, {0.2, 0},  {0.21, 1}, {1.0, 1},
                 {1.99, 1}, {2.0, 2}, {10.0, 2}, {0.0, 0},  {-5.0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CTovarineDocData::GetDXFFormIndex(c.currentMin), c.form) << c.currentMin;
    EXPECT_NE(CTovarineDocData::GetDXFFormPath(0.1).find("/DIRORAVE.dxf"), std::string::npos);
    EXPECT_NE(CTovarineDocData::GetDXFFormPath(1.0).find("/REDAZID.dxf"), std::string::npos);
    EXPECT_NE(CTovarineDocData::GetDXFFormPath(10.0).find("/DURUREVE.dxf"), std::string::npos);
}
