#pragma once
// Cursor ids as published properties store them: 0 and negative numbers name
// the shapes the system provides; the stream writes their identifiers.
#include "toolkit/core/TypInfo.h"
#include "toolkit/win/window/Win32.h"

#include <cstdint>

namespace fw {

using TCursor = int32_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -5;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

const TIdentMap& CursorIdents();
// The published type "TCursor".
const TTypeInfo& CursorType();

// The shared system cursor showing an id (never to be destroyed): null for
// crNone, the arrow for crDefault and for ids without a shape of their own.
HCURSOR CursorHandle(TCursor cursor);

} // namespace fw
