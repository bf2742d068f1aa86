#include "listdata/FilmographyJobs.h"

const FilmographyJob FilmographyJobs[kFilmographyJobCount] = {
    {kActors, "Actor Filmography:", "Actor"},
    {kActresses, "Actress Filmography:", "Actress"},
    {kDirectors, "Director Filmography:", "Director"},
    {kProducers, "Producer Filmography:", "Producer"},
    {kWriters, "Writer Filmography:", "Writer"},
    {kComposers, "Composer Filmography:", "Composer"},
    {kEditors, "Editor Filmography:", "Editor"},
    {kProductionDesigners, "Production Designer Filmography:", "Production Designer"},
    {kCinematographers, "Cinematographer Filmography:", "Cinematographer"},
    {kCostumeDesigners, "Costume Designer Filmography:", "Costume Designer"},
    {kMiscellaneous, "Miscellaneous Crew Filmography:", "Miscellaneous Crew"},
};

int FilmographyJobOfList(int list)
{
    for (int job = 0; job < kFilmographyJobCount; ++job)
        if (FilmographyJobs[job].list == list)
            return job;
    return -1;
}
