#include "toolkit/core/Strings.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"

namespace fw {

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TStrings, TPersistent>().Build();
    return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TStringList, TStrings>().Build();
    return info;
}

void TStrings::Error(const std::string& pattern, int index) const {
    throw EStringListError(Format(pattern, {IntToStr(index)}));
}

void TStrings::Put(int index, const std::string& s) {
    TObject* obj = GetObject(index);
    BeginUpdate();
    TScopeExit end([this] { EndUpdate(); });
    Delete(index);
    InsertObject(index, s, obj);
}

int TStrings::Add(const std::string& s) {
    int i = Count();
    Insert(i, s);
    return i;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    int i = Add(s);
    PutObject(i, object);
    return i;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Get(i), s)) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    std::string s = Get(curIndex);
    TObject* obj = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, obj);
    EndUpdate();
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
        Add(text.substr(i, j - i));
        if (j < text.size() && text[j] == '\r') ++j;
        if (j < text.size() && text[j] == '\n') ++j;
        i = j;
    }
    EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    for (int i = 0; i < Count(); ++i) v.push_back(Get(i));
    return v;
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* source) {
    if (auto* src = dynamic_cast<TStrings*>(source)) {
        if (src == this) return;
        BeginUpdate();
        TScopeExit end([this] { EndUpdate(); });
        Clear();
        AddStrings(*src);
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TAbstractReader& r) {
            r.ReadListBegin();
            {
                BeginUpdate();
                TScopeExit end([this] { EndUpdate(); });
                Clear();
                while (!r.EndOfList()) Add(r.ReadString());
            }
            r.ReadListEnd();
        },
        [this](TAbstractWriter& w) {
            w.WriteListBegin();
            for (int i = 0; i < Count(); ++i) w.WriteString(Get(i));
            w.WriteListEnd();
        },
        Count() > 0);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

TStringList::TStringList(std::initializer_list<std::string> lines) {
    for (const auto& l : lines) FList.push_back({l, nullptr});
}

std::string TStringList::Get(int index) const {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
    return FList[static_cast<size_t>(index)].Text;
}

void TStringList::Put(int index, const std::string& s) {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
    FList[static_cast<size_t>(index)].Text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
    return FList[static_cast<size_t>(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
    FList[static_cast<size_t>(index)].Object = object;
}

void TStringList::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) Error("List index out of bounds (%d)", index);
    FList.insert(FList.begin() + index, Item{s, nullptr});
    Changed();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
    FList.erase(FList.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    FList.clear();
    Changed();
}

void TStringList::SetUpdateState(bool updating) {
    if (!updating) Changed();
}

void TStringList::Changed() {
    if (UpdateCount() > 0) return;
    if (OnChangeProc) OnChangeProc();
    OnChange(this);
}

} // namespace fw
