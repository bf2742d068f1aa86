#pragma once
// The commands that the Movie/TV and Cast/Crew documents take in the command route:
// the view modes with their update rules, Close, Save and Save As. Plain C++.

#include "platform/CmdUI.h"

namespace platform {
class CDocument;
}

class CDocumentCommands {
public:
    static bool OnCommand(platform::CDocument& document, int id);
    static bool OnUpdateCommand(platform::CDocument& document, CCmdUI& cmdUI);
    static bool IsCastCrew(const platform::CDocument& document);
    // File > Close: the closing rule, then the document and its frames go.
    static bool CloseDocument(platform::CDocument& document);
};
