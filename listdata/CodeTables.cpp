#include "listdata/CodeTables.h"

const CodeTableEntry BusinessCodes[kBusinessCodeCount] = {
    {1, "BT"}, {2, "GR"}, {3, "WG"}, {4, "OW"}, {5, "RT"}, {6, "AD"}, {7, "SD"}, {8, "PD"}, {9, "ST"}, {10, "CP"},
};

const CodeTableEntry GoofCodes[kGoofCodeCount] = {
    {2, "CONT"}, {3, "PLOT"}, {4, "FACT"},  {5, "DATE"},  {6, "FAKE"},  {7, "BOOM"},
    {8, "CREW"}, {9, "SYNC"}, {10, "GEOG"}, {11, "FAIR"}, {12, "MISC"}, {13, "CHAR"},
};

const CodeTableEntry LaserdiscCodes[kLaserdiscCodeCount] = {
    {1, "LN"},  {2, "LB"},  {3, "CN"},  {4, "LT"},  {5, "OT"},  {6, "PC"},  {7, "YR"},  {8, "CF"},  {9, "CA"},
    {10, "GR"}, {11, "LA"}, {12, "SU"}, {13, "LE"}, {14, "RD"}, {15, "ST"}, {16, "PR"}, {17, "VS"}, {18, "CO"},
    {19, "SE"}, {20, "DS"}, {21, "AL"}, {22, "AR"}, {23, "MF"}, {24, "PP"}, {25, "SZ"}, {26, "SI"}, {27, "DF"},
    {28, "PF"}, {29, "AS"}, {30, "CC"}, {31, "CS"}, {32, "QP"}, {33, "IN"}, {34, "SL"}, {35, "RC"}, {36, "RV"},
};

const CodeTableEntry LiteratureCodes[kLiteratureCodeCount] = {
    {1, "SCRP"}, {2, "NOVL"}, {3, "ADPT"}, {4, "BOOK"}, {5, "PROT"}, {6, "IVIW"}, {7, "CRIT"}, {8, "ESSY"}, {9, "OTHR"},
};

const CodeTableEntry MovieLinkCodes[kMovieLinkCodeCount] = {
    {17, "alternate language version of"},
    {7, "referenced in"},
    {16, "spin off from"},
    {2, "followed by"},
    {11, "featured in"},
    {13, "edited into"},
    {14, "edited from"},
    {6, "version of"},
    {8, "references"},
    {9, "spoofed in"},
    {4, "remade as"},
    {5, "remake of"},
    {12, "features"},
    {15, "spin off"},
    {3, "follows"},
    {10, "spoofs"},
};

const CodeTableEntry PlotCodes[kPlotCodeCount] = {
    {1, "PL"},
    {2, "BY"},
};

const CodeTableEntry TechnicalCodes[kTechnicalCodeCount] = {
    {2, "CAM"}, {3, "MET"}, {4, "OFM"}, {5, "PFM"}, {6, "RAT"}, {7, "PCS"}, {8, "LAB"},
};

const CodeTableEntry BiographyCodes[kBiographyCodeCount] = {
    {1, "NM"},  {2, "RN"},  {3, "NK"},  {4, "DB"},  {8, "DD"},  {12, "HT"}, {13, "BG"}, {14, "BY"},
    {15, "BO"}, {17, "BT"}, {19, "PI"}, {21, "OW"}, {23, "GA"}, {29, "TR"}, {31, "QU"}, {33, "SA"},
    {36, "WN"}, {38, "SP"}, {41, "TM"}, {43, "IT"}, {52, "AT"}, {61, "PT"}, {70, "CV"}, {79, "AG"},
};
