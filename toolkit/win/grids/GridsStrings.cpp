#include "toolkit/win/grids/GridsStrings.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/grids/Grids.h"

#include <algorithm>

namespace fw {

const TClassInfo& TGridLineStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGridLineStrings, TStrings>().Build();
    return info;
}

int TGridLineStrings::Count() const { return FColumn ? FGrid.RowCount() : FGrid.ColCount(); }

void TGridLineStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
}

std::string TGridLineStrings::Get(int index) const {
    CheckIndex(index);
    return FGrid.Cells(ColOf(index), RowOf(index));
}

void TGridLineStrings::Put(int index, const std::string& s) {
    CheckIndex(index);
    FGrid.SetCells(ColOf(index), RowOf(index), s);
}

TObject* TGridLineStrings::GetObject(int index) const {
    CheckIndex(index);
    return FGrid.Objects(ColOf(index), RowOf(index));
}

void TGridLineStrings::PutObject(int index, TObject* object) {
    if (index == Count()) {
        if (FLastAdd < 0) return;
        index = FLastAdd;
    }
    CheckIndex(index);
    FGrid.SetObjects(ColOf(index), RowOf(index), object);
}

void TGridLineStrings::Insert(int index, const std::string& s) {
    if (index != Count()) throw EInvalidGridOperation("Grid lines cannot be inserted or deleted");
    int at = FNextAdd;
    for (int i = Count() - 1; i >= at; --i)
        if (!Get(i).empty() || GetObject(i)) {
            at = i + 1;
            break;
        }
    FLastAdd = -1;
    if (at >= Count()) return;
    FGrid.SetCells(ColOf(at), RowOf(at), s);
    FLastAdd = at;
    FNextAdd = at + 1;
}

void TGridLineStrings::Delete(int) { throw EInvalidGridOperation("Grid lines cannot be inserted or deleted"); }

void TGridLineStrings::Clear() {
    for (int i = 0; i < Count(); ++i) {
        FGrid.SetCells(ColOf(i), RowOf(i), "");
        FGrid.SetObjects(ColOf(i), RowOf(i), nullptr);
    }
    FNextAdd = 0;
}

} // namespace fw
