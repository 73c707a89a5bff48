#pragma once

#include "framework/COwnedList.h"

#include "framework/Archive.h"

#include <string>

class CVersionList;

// The version record of a program, a project document or a database.
class CVersion : public fw::CObject {
    FW_DECLARE_SERIAL(CVersion)
public:
    CVersion() = default;
    CVersion(const CVersion&) = default;
    CVersion& operator=(const CVersion&) = default;

    // The first six strings, country to database version; the location is
    // not stored.
    void Serialize(fw::CArchive& ar) override;

    // Whether some record of the list has this record's country, maker,
    // product, program version and language (exact comparisons). False for
    // an empty or null list.
    bool IsOkDocVersion(const CVersionList& list) const;
    bool IsOkDocVersion(const CVersionList* list) const;
    // Called on the record read from the breaker database: equal country,
    // maker, product and language, and equal first four characters of the
    // two database versions.
    bool IsOkDorventaVersions(const CVersion& expected) const;
    // Called on the record read from the curve database: as the breaker
    // database's check without the language.
    bool IsOkOrbeluneVersions(const CVersion& expected) const;

    std::string m_strCountry;
    std::string m_strMaker;
    std::string m_strProduct;
    std::string m_strVersion; // program version
    std::string m_strLanguage;
    std::string m_strMdbVersion; // database version
    std::string m_strLocation;
};

// A list of owned version records.
class CVersionList : public COwnedList<CVersion> {
public:
    // Appends a new empty record and returns it.
    CVersion* DoAddNewVersion();
    // Frees the list's records and appends copies of the other list's.
    void DoCopyAllVersions(const CVersionList& other);
    // Frees every record and empties the list.
    void DoDeleteAllVersions();
};
