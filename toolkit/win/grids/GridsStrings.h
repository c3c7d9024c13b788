#pragma once
// A column or row of a string grid seen as a string list: line i is cell i of
// that column (row). The number of lines is the grid's, so lines cannot be
// inserted or deleted; Clear empties the cells and Add fills them in order.
#include "toolkit/core/Strings.h"

namespace fw {

class TStringGrid;

class TGridLineStrings : public TStrings {
    FW_CLASS(TGridLineStrings)

    TGridLineStrings(TStringGrid& grid, bool column, int32_t index) : FGrid(grid), FColumn(column), FIndex(index) {}

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    // Index Count() means the cell the last Add filled: AddObject adds the
    // text, then puts the object at the index Add returned, which is Count().
    void PutObject(int index, TObject* object) override;
    // Only appending (Add): the text goes to the cell after the last one
    // filled (since Clear, or holding something); past the end it is dropped.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    int32_t ColOf(int index) const { return FColumn ? FIndex : index; }
    int32_t RowOf(int index) const { return FColumn ? index : FIndex; }
    void CheckIndex(int index) const;

    TStringGrid& FGrid;
    bool FColumn;
    int32_t FIndex;
    int FNextAdd = 0;  // where Add goes after a Clear, empty texts included
    int FLastAdd = -1; // the cell the last Add filled, -1 when it was dropped
};

} // namespace fw
