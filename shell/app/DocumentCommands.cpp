#include "shell/app/DocumentCommands.h"

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "platform/DocTemplate.h"
#include "resources/CommandIds.h"

using namespace resources;

namespace {

void ApplyMode(CCmdUI& cmdUI, ModeCommandState state)
{
    cmdUI.Enable(state.enabled);
    cmdUI.SetCheck(state.checked ? 1 : 0);
}

} // namespace

bool CDocumentCommands::IsCastCrew(const platform::CDocument& document)
{
    return dynamic_cast<const CRVCDoc*>(&document) != nullptr;
}

bool CDocumentCommands::CloseDocument(platform::CDocument& document)
{
    if (!document.SaveModified())
        return false;
    if (platform::CDocTemplate* docTemplate = document.GetDocTemplate())
        docTemplate->CloseDocument(&document);
    return true;
}

bool CDocumentCommands::OnCommand(platform::CDocument& document, int id)
{
    switch (id) {
    case ID_FILE_CLOSE:
        CloseDocument(document);
        return true;
    case ID_FILE_SAVE:
        document.DoFileSave();
        return true;
    case ID_FILE_SAVE_AS:
        document.DoSave(std::string(), true);
        return true;
    default:
        break;
    }
    if (auto* movie = dynamic_cast<CRVMDoc*>(&document)) {
        if (id >= ID_MOVIETV_OVERVIEW && id <= ID_MOVIETV_COMPLETE) {
            movie->OnSectionMode(id - ID_MOVIETV_OVERVIEW + 1);
            return true;
        }
    } else if (auto* cast = dynamic_cast<CRVCDoc*>(&document)) {
        if (id == ID_CASTCREW_CATEGORIZED || id == ID_CASTCREW_COMBINED) {
            cast->OnFilmographyMode(id - ID_CASTCREW_CATEGORIZED + 1);
            return true;
        }
    }
    return false;
}

bool CDocumentCommands::OnUpdateCommand(platform::CDocument& document, CCmdUI& cmdUI)
{
    const int id = cmdUI.m_nID;
    switch (id) {
    case ID_FILE_CLOSE:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        cmdUI.Enable(true);
        return true;
    default:
        break;
    }
    if (const auto* movie = dynamic_cast<const CRVMDoc*>(&document)) {
        if (id >= ID_MOVIETV_OVERVIEW && id <= ID_MOVIETV_COMPLETE) {
            ApplyMode(cmdUI, movie->GetSectionModeCommandState(id - ID_MOVIETV_OVERVIEW + 1));
            return true;
        }
    } else if (const auto* cast = dynamic_cast<const CRVCDoc*>(&document)) {
        if (id == ID_CASTCREW_CATEGORIZED || id == ID_CASTCREW_COMBINED) {
            ApplyMode(cmdUI, cast->GetFilmographyModeCommandState(id - ID_CASTCREW_CATEGORIZED + 1));
            return true;
        }
        if (id == ID_CASTCREW_CREDITEDWITH) {
            cmdUI.Enable(cast->IsCreditedWithEnabled());
            return true;
        }
    }
    return false;
}
