#pragma once
// Whether a list is searched for Movie/TV and for Cast/Crew documents (0/1 each).

struct ListChoice {
    int useMovieTV = 0;
    int useCastCrew = 0;
};
