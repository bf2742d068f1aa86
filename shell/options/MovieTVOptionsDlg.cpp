#include "shell/options/MovieTVOptionsDlg.h"

#include "resources/OptionsIds.h"

using namespace resources;

CMovieTVOptionsDlg::CMovieTVOptionsDlg(QWidget* parent)
    : CListOptionsDlg(parent, IDD_MOVIETVOPTIONS, "Movie/TV Options", 0,
                      {"Cast &Order", {{IDC_MOVIE_CREDITSORDER, "Credits Order"}, {IDC_MOVIE_ALPHABETICALLY, "Alphabetically "}}},
                      {"Default &View Type",
                       {{IDC_MOVIE_VIEW_OVERVIEW, "Overview"},
                        {IDC_MOVIE_VIEW_OVERVIEW + 1, "Credits"},
                        {IDC_MOVIE_VIEW_OVERVIEW + 2, "Fun Stuff"},
                        {IDC_MOVIE_VIEW_OVERVIEW + 3, "Plot && Quotes"},
                        {IDC_MOVIE_VIEW_OVERVIEW + 4, "Other Info"},
                        {IDC_MOVIE_VIEW_OVERVIEW + 5, "Complete"}}})
{
}
