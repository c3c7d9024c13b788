#include "toolkit/win/window/Cursors.h"

namespace fw {

const TIdentMap& CursorIdents() {
    static const TIdentMap map{
        {crDefault, "crDefault"},   {crNone, "crNone"},           {crArrow, "crArrow"},
        {crCross, "crCross"},       {crIBeam, "crIBeam"},         {crSize, "crSize"},
        {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},
        {crSizeWE, "crSizeWE"},     {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"},
        {crDrag, "crDrag"},         {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},
        {crVSplit, "crVSplit"},     {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},
        {crNo, "crNo"},             {crAppStart, "crAppStart"},   {crHelp, "crHelp"},
        {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},
    };
    return map;
}

const TTypeInfo& CursorType() {
    static const TTypeInfo type = MakeIntegerType("TCursor", &CursorIdents());
    return type;
}

HCURSOR CursorHandle(TCursor cursor) {
    const wchar_t* id = IDC_ARROW;
    switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSize:
    case crSizeAll: id = IDC_SIZEALL; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS:
    case crVSplit: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE:
    case crHSplit: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass:
    case crSQLWait: id = IDC_WAIT; break;
    case crNoDrop:
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    default: break; // crDefault, crArrow, the drag shapes, unknown ids
    }
    return LoadCursorW(nullptr, id);
}

} // namespace fw
