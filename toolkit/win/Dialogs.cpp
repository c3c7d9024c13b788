#include "toolkit/win/Dialogs.h"

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
                                       .Default(0)
                                       .Build();
    return info;
}

bool TColorDialog::Execute() {
    int32_t c = Color;
    if (!ModalUI().ChooseColor(c)) return false;
    Color = c;
    return true;
}

const TClassInfo& TFontDialog::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFontDialog, TCommonDialog>().Build();
    return info;
}

bool TFontDialog::Execute() {
    TFontData f = Font;
    if (!ModalUI().ChooseFont(f)) return false;
    Font = f;
    return true;
}

} // namespace fw
