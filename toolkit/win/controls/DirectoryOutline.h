#pragma once
// TDirectoryOutline: a tree of the real folders of the file system. The top
// item is the drive (or network share) of Directory; the tree is opened down
// to Directory, whose subfolders are listed. Other items list their
// subfolders when first expanded. Selecting an item makes it the Directory.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/window/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

FW_ENUM(TTextCase, tcLowerCase, tcAsIs, tcUpperCase)
FW_ENUM(TOutlineOption, ooDrawTreeRoot, ooDrawFocusRect, ooStretchBitmaps)
FW_SET(TOutlineOptions, TOutlineOption);
FW_ENUM(TOutlineStyle, osText, osPlusMinusText, osPictureText, osPlusMinusPictureText, osTreeText, osTreePictureText)

class TDirectoryOutline : public TWinControl {
    FW_CLASS(TDirectoryOutline)

    explicit TDirectoryOutline(TComponent* owner);
    ~TDirectoryOutline() override;

    // The folder shown open and selected; until set, the current folder of
    // the process (a stored design does not keep the folder it was made in).
    std::string Directory() const;
    void SetDirectory(const std::string& v);
    // The drive letter of Directory ("C"), or "" for a network share.
    std::string Drive() const;
    // Moves to the root of another drive.
    void SetDrive(const std::string& v);

    TTextCase TextCase() const { return FTextCase; }
    void SetTextCase(TTextCase v);
    // Pixels per item; until set, what the font needs.
    int32_t ItemHeight() const;
    void SetItemHeight(int32_t v);
    TOutlineOptions Options() const { return FOptions; }
    void SetOptions(TOutlineOptions v);
    TOutlineStyle OutlineStyle() const { return FOutlineStyle; }
    void SetOutlineStyle(TOutlineStyle v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);

    // Pictures assigned by the program; an empty one draws the built-in one.
    TBitmap* PictureLeaf() const { return FPictures[kLeaf].get(); }
    void SetPictureLeaf(TBitmap* v) { FPictures[kLeaf]->Assign(v); }
    TBitmap* PictureOpen() const { return FPictures[kOpen].get(); }
    void SetPictureOpen(TBitmap* v) { FPictures[kOpen]->Assign(v); }
    TBitmap* PictureClosed() const { return FPictures[kClosed].get(); }
    void SetPictureClosed(TBitmap* v) { FPictures[kClosed]->Assign(v); }
    TBitmap* PicturePlus() const { return FPictures[kPlus].get(); }
    void SetPicturePlus(TBitmap* v) { FPictures[kPlus]->Assign(v); }
    TBitmap* PictureMinus() const { return FPictures[kMinus].get(); }
    void SetPictureMinus(TBitmap* v) { FPictures[kMinus]->Assign(v); }

    // Lists the folders again, keeping Directory.
    void Refresh();
    // The text shown for a name under TextCase.
    std::string CasedText(const std::string& name) const;

    void SetColor(int32_t v) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    // Directory changed.
    TNotifyEvent OnChange;

protected:
    bool ClicksByNotification() const override { return true; }
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void DestroyWnd() override;
    void FontChanged() override;

private:
    enum { kClosed, kOpen, kLeaf, kPlus, kMinus, kPictureCount };
    struct TNode {
        std::wstring Path;
        std::wstring Name;
        HTREEITEM Item = nullptr;
        bool Filled = false;
    };

    bool IsDirectoryStored() const { return !FDirectory.empty(); }
    bool IsItemHeightStored() const { return FItemHeight > 0; }
    bool IsPictureStored(int which) const { return !FPictures[which]->Empty(); }
    bool IsPictureLeafStored() const { return IsPictureStored(kLeaf); }
    bool IsPictureOpenStored() const { return IsPictureStored(kOpen); }
    bool IsPictureClosedStored() const { return IsPictureStored(kClosed); }
    bool IsPicturePlusStored() const { return IsPictureStored(kPlus); }
    bool IsPictureMinusStored() const { return IsPictureStored(kMinus); }
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }
    bool ShowsPictures() const;
    std::wstring EffectiveDirectory() const;

    // Builds the tree down to Directory (a window must exist).
    void BuildTree();
    TNode* AddNode(TNode* parent, const std::wstring& path, const std::wstring& name, bool hasChildren);
    void FillNode(TNode* node);
    TNode* NodeOf(HTREEITEM item) const;
    void SetNodeImage(TNode* node, bool expanded);
    void MakeImages();
    void FreeImages();
    void ApplyItemHeight();
    void ApplyColor();
    void SelectionChanged(HTREEITEM item);
    LRESULT CustomDraw(NMTVCUSTOMDRAW* cd);
    void DrawWithoutFocus(HDC dc, TNode* node);
    void PictureChanged();

    std::wstring FDirectory; // empty: the current folder
    TTextCase FTextCase = tcLowerCase;
    int32_t FItemHeight = 0; // 0: what the font needs
    TOutlineOptions FOptions{ooDrawTreeRoot, ooDrawFocusRect};
    TOutlineStyle FOutlineStyle = osTreePictureText;
    TFormBorderStyle FBorderStyle = bsSingle;
    TScrollStyle FScrollBars = ssBoth;
    std::unique_ptr<TBitmap> FPictures[kPictureCount];
    std::vector<std::unique_ptr<TNode>> FNodes;
    HIMAGELIST FImages = nullptr;
    bool FBuilding = false;
};

} // namespace fw
