#pragma once
// Documents of the featured titles and people of a generated list set, filled by the real
// search engine, and their view texts in the form of RtfToText, for end-to-end tests of
// the view builders. The dates in the documents are fixed, so texts compare with goldens.

#include "documents/RVCDoc.h"
#include "documents/RVMDoc.h"
#include "documents/RtfWriter.h"
#include "listdata/AppSettings.h"
#include "support/FakeRichTextHost.h"
#include "support/TestSupport.h"
#include "tools/ListGenerator.h"

#include <functional>
#include <memory>
#include <string>

namespace testsupport {

// The seed of the lists the view goldens are made from.
constexpr std::uint64_t kViewSeed = 7;

class GeneratedDocuments {
public:
    // The lists of a generator edited before a search: `folder` holds the written files.
    using ListEdit = std::function<void(const listgen::ListGenerator& generator, const std::string& folder)>;

    // Writes every list with the view seed (`crlf`: with CR LF line ends), then runs
    // `edit` when one is given.
    explicit GeneratedDocuments(bool crlf, const ListEdit& edit = {});

    const listgen::ListGenerator& Generator() const { return m_generator; }

    // A new document of `title` or `name`, as File > New makes it, after Get Information
    // over every list that serves its kind.
    std::unique_ptr<CRVMDoc> SearchMovie(const std::string& title) const;
    std::unique_ptr<CRVCDoc> SearchPerson(const std::string& name) const;

private:
    TempDir m_dir;
    listgen::ListGenerator m_generator;
    CAppSettings m_settings;
};

// Settings as a new profile loads them.
CAppSettings DefaultViewSettings();

// A view's writer on a fake control, measuring with a fixed pitch of 8 pixels at 96 dots
// per inch (one character is 120 twips).
class ViewWriter {
public:
    explicit ViewWriter(const CAppSettings& settings);
    const CRtfWriter& Writer() const { return m_writer; }

    // The whole text of `document`'s view in section mode `mode`, as RtfToText shows it.
    std::string MovieTV(const CRVMDoc& document, int mode);
    // The whole text of `document`'s view in filmography mode `mode`.
    std::string CastCrew(const CRVCDoc& document, int mode);

private:
    FakeHost m_host;
    CRtfWriter m_writer;
};

// The golden file tests/data/views/`name`; with RV_UPDATE_GOLDENS set in the environment
// it is first rewritten with `text`. Empty when it does not exist.
std::string Golden(const std::string& name, const std::string& text);

} // namespace testsupport
