#pragma once
// Which panel shows which tree page, and the panel factory.

#include <QString>
#include <vector>

namespace zel {

class SectionPanel;

constexpr int kPageCount = 51;
constexpr int kSystemParametersPage = 50;

struct PanelInfo {
    int firstPage;
    int lastPage;
    const char* panelName;
    const char* titleLabel; // empty: the panel has no title label
    bool unpackOnEntry;
};

const std::vector<PanelInfo>& panelTable();
const PanelInfo& panelForPage(int page);

// Creates the panel of one row of panelTable(). Pages not built yet are plain panels
// with their title label.
SectionPanel* createPanel(const PanelInfo& info);

// Whether leaving the page packs it into the image (pages 0 and 32 edit nothing).
bool pageIsPacked(int page);

} // namespace zel
