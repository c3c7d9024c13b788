#include "toolkit/win/menus/Dialogs.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TCommonDialog::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCommonDialog, TComponent>().Build();
    return info;
}

const TClassInfo& TOpenDialog::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TOpenDialog, TCommonDialog>()
            .Prop("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::DefaultExt)
            .Prop("FileName", &TOpenDialog::FileName, &TOpenDialog::FileName)
            .Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::Filter)
            .Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::FilterIndex)
            .Default(1)
            .Prop("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::InitialDir)
            .Prop("Options", &TOpenDialog::Options, &TOpenDialog::Options)
            .Default(static_cast<int32_t>(TOpenOptions{ofHideReadOnly, ofEnableSizing}.Bits()))
            .Prop("Title", &TOpenDialog::Title, &TOpenDialog::Title)
            .Build();
    return info;
}

bool TOpenDialog::Execute() {
    TFileDialogRequest r;
    r.Title = Title;
    r.Filter = Filter;
    r.FilterIndex = FilterIndex;
    r.DefaultExt = DefaultExt;
    r.InitialDir = InitialDir;
    r.FileName = FileName;
    r.OverwritePrompt = Options.Contains(ofOverwritePrompt);
    r.FileMustExist = Options.Contains(ofFileMustExist);
    r.PathMustExist = Options.Contains(ofPathMustExist);
    r.HideReadOnly = Options.Contains(ofHideReadOnly);
    if (!Show(r)) return false;
    FileName = r.FileName;
    FilterIndex = r.FilterIndex;
    return true;
}

const TClassInfo& TSaveDialog::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSaveDialog, TOpenDialog>().Build();
    return info;
}

const TClassInfo& TOpenPictureDialog::StaticClassInfo() {
    // Filter again, to store it only when it is not the pictures' own.
    static const TClassInfo info = TClassBuilder<TOpenPictureDialog, TOpenDialog>()
                                       .Prop("Filter", &TOpenPictureDialog::Filter, &TOpenPictureDialog::Filter)
                                       .Stored(&TOpenPictureDialog::IsFilterStored)
                                       .Build();
    return info;
}

const TClassInfo& TColorDialog::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TColorDialog, TCommonDialog>()
                                       .Prop("Color", &TColorDialog::Color, &TColorDialog::Color)
                                       .Type(ColorType())
                                       .Default(clBlack)
                                       .Build();
    return info;
}

bool TColorDialog::Execute() {
    // The dialog knows RGB values only: a system colour is offered as it
    // looks now.
    int32_t c = static_cast<int32_t>(ColorToRGB(Color));
    if (!ModalUI().ChooseColor(c)) return false;
    Color = c;
    return true;
}

const TClassInfo& TFontDialog::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFontDialog, TCommonDialog>()
                                       .Prop("Font", &TFontDialog::Font, &TFontDialog::SetFont)
                                       .Build();
    return info;
}

bool TFontDialog::Execute() {
    TFont& font = *FFont;
    TFontData d;
    d.Name = font.Name();
    d.Height = font.Height();
    d.Bold = font.Style().Contains(fsBold);
    d.Italic = font.Style().Contains(fsItalic);
    d.Underline = font.Style().Contains(fsUnderline);
    d.StrikeOut = font.Style().Contains(fsStrikeOut);
    const int32_t shownColor = static_cast<int32_t>(ColorToRGB(font.Color()));
    d.Color = shownColor;
    d.Charset = static_cast<uint8_t>(font.Charset());
    if (!ModalUI().ChooseFont(d)) return false;
    TFont chosen;
    chosen.Assign(&font); // keeps what the dialog does not show (pitch, resolution)
    chosen.SetName(d.Name);
    chosen.SetHeight(d.Height);
    TFontStyles style;
    if (d.Bold) style.Include(fsBold);
    if (d.Italic) style.Include(fsItalic);
    if (d.Underline) style.Include(fsUnderline);
    if (d.StrikeOut) style.Include(fsStrikeOut);
    chosen.SetStyle(style);
    // A system colour stays one unless the user picked another colour.
    if (d.Color != shownColor) chosen.SetColor(d.Color);
    chosen.SetCharset(d.Charset);
    font.Assign(&chosen); // one change notice
    return true;
}

} // namespace fw
