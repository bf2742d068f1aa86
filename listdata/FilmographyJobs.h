#pragma once
// The jobs of a person's filmography: the eleven credit lists in FilmographyJobOrder
// (ListCatalog.h), each with the heading of its group in the Categorized filmography and
// the job word that names it in the Combined filmography and in the Credited With role
// column.

#include "listdata/ListCatalog.h"

#include <string_view>

struct FilmographyJob {
    int list;
    std::string_view heading;
    std::string_view jobWord;
};

extern const FilmographyJob FilmographyJobs[kFilmographyJobCount];

// The job (row index) of list `list`; -1 when the list is none of the eleven.
int FilmographyJobOfList(int list);
