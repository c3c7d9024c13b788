#pragma once
// An ordered list of pointers with index checks. Out-of-range indexes raise
// "List index out of bounds (%d)".
#include "toolkit/core/Exception.h"
#include "toolkit/core/Text.h"

#include <algorithm>
#include <vector>

namespace fw {

[[noreturn]] void RaiseListIndexError(int index);

template <class T> class TList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    T Items(int index) const {
        Check(index);
        return FItems[static_cast<size_t>(index)];
    }
    void SetItem(int index, T item) {
        Check(index);
        FItems[static_cast<size_t>(index)] = item;
    }
    T operator[](int index) const { return Items(index); }
    int Add(T item) {
        FItems.push_back(item);
        return Count() - 1;
    }
    void Insert(int index, T item) {
        if (index < 0 || index > Count()) RaiseListIndexError(index);
        FItems.insert(FItems.begin() + index, item);
    }
    void Delete(int index) {
        Check(index);
        FItems.erase(FItems.begin() + index);
    }
    // Removes the first occurrence; returns its former index or -1.
    int Remove(T item) {
        int i = IndexOf(item);
        if (i >= 0) Delete(i);
        return i;
    }
    int IndexOf(T item) const {
        auto it = std::find(FItems.begin(), FItems.end(), item);
        return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
    }
    void Move(int curIndex, int newIndex) {
        if (curIndex == newIndex) return;
        Check(curIndex);
        Check(newIndex);
        T item = FItems[static_cast<size_t>(curIndex)];
        FItems.erase(FItems.begin() + curIndex);
        FItems.insert(FItems.begin() + newIndex, item);
    }
    void Exchange(int a, int b) {
        Check(a);
        Check(b);
        std::swap(FItems[static_cast<size_t>(a)], FItems[static_cast<size_t>(b)]);
    }
    void Clear() { FItems.clear(); }
    T First() const { return Items(0); }
    T Last() const { return Items(Count() - 1); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    void Check(int index) const {
        if (index < 0 || index >= Count()) RaiseListIndexError(index);
    }
    std::vector<T> FItems;
};

} // namespace fw
