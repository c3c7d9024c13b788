#pragma once
// TPageControl: the system tab control holding TTabSheet pages. The tab strip
// shows one tab per page whose TabVisible is set, in page order; only the
// active page is visible and it fills the tab control's display area.
#include "toolkit/win/window/WinControl.h"

#include <vector>

namespace fw {

class TPageControl;

FW_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
FW_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)
FW_EVENT_TYPE(TTabChangingEvent, TObject* /*Sender*/, bool& /*AllowChange*/);

// One page: a container whose parent is a page control.
class TTabSheet : public TWinControl {
    FW_CLASS(TTabSheet)

    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* v);
    void SetParent(TWinControl* parent) override;
    // Position among the page control's pages (-1 without one).
    int32_t PageIndex() const;
    void SetPageIndex(int32_t v);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool v);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t v);
    // Position of its tab in the strip (-1 when the tab is hidden).
    int32_t TabIndex() const;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int32_t FImageIndex = -1;
};

class TPageControl : public TWinControl {
    FW_CLASS(TPageControl)

    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
    TTabSheet* Pages(int32_t index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int32_t ActivePageIndex() const;
    void SetActivePageIndex(int32_t index);
    // The page of a tab in the strip (nullptr when there is none).
    TTabSheet* PageForTab(int32_t tabIndex) const;

    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition v);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool v);
    int32_t TabHeight() const { return FTabHeight; }
    void SetTabHeight(int32_t v);
    int32_t TabWidth() const { return FTabWidth; }
    void SetTabWidth(int32_t v);
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle v);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool v);

    // The area the pages fill, in client coordinates.
    RECT DisplayRect();

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void Loaded() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int32_t index);
    // Rebuilds the tab strip from the pages and selects the active page's tab.
    void UpdateTabs();
    // Places the pages in the display area and shows only the active one.
    void LayoutPages();
    void ApplyTabSize();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    TTabPosition FTabPosition = tpTop;
    bool FMultiLine = false;
    int32_t FTabHeight = 0;
    int32_t FTabWidth = 0;
    TTabStyle FStyle = tsTabs;
    bool FHotTrack = false;
};

} // namespace fw
