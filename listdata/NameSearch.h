#pragma once
// The name search of the New Cast/Crew Document dialog: up to eleven person lists, then,
// when asked, the Aka-Names list. A person found in several lists keeps one line, at the
// place of the first find, with the role names added in list order:
// "Name  - [Actor], [Director]". Aka-Names lines never merge with these.

#include "listdata/NewDocumentSearch.h"

#include <string>

class CNameSearch : public CNewDocumentSearch {
public:
    static constexpr int kPersonListCount = 11;
    static constexpr const char* kOverflowMessage = "Too many names found!\nTry to be more specific...";
    // Between a name and its role list.
    static constexpr const char* kRoleSeparator = "  - ";

    struct PersonList {
        int listIndex;
        const char* roleName;
    };
    // In search order: Actors, Actresses, Directors, then the eight other crew lists.
    static const PersonList PersonLists[kPersonListCount];

    // Which lists a run reads.
    struct ListSelection {
        bool actors = false;
        bool actresses = false;
        bool directors = false;
        bool otherCrew = false;
    };

    explicit CNameSearch(IHost* host = nullptr);

    // The whole search: the pattern from `text`, Results emptied, the selected lists in
    // table order and, when `alsoAka` is set and nothing stopped the lists, Aka-Names.
    // Returns true when a scan stopped on a reported error or an overflow.
    bool Run(const CAppSettings& settings, const std::string& text, bool alsoAka, const ListSelection& lists);

    // Each returns true after a reported error or an overflow.
    bool SearchList(const CAppSettings& settings, int entry);
    bool SearchAkaNames(const CAppSettings& settings);

    // Adds the person `text` found in list table entry `entry` (0-10), merging with the
    // person's earlier line; entry -1 adds `text` unchanged at the end. True on overflow.
    bool AddResult(const std::string& text, int entry);

    bool ListSelected(int entry) const { return entry >= 0 && entry < kPersonListCount && m_listSelected[entry]; }

    // A chosen line as the name a document is made for: the text before the role list.
    static std::string WithoutRoles(const std::string& line);

private:
    bool m_listSelected[kPersonListCount] = {};
};
