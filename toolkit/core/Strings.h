#pragma once
// String lists: lines of UTF-8 text, each with an optional object. TStrings
// stores itself as the property "Strings" (a list of strings).
#include "toolkit/core/Events.h"
#include "toolkit/core/Persistent.h"
#include "toolkit/core/TypInfo.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TStrings : public TPersistent {
    FW_CLASS(TStrings)

    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const { return nullptr; }
    virtual void PutObject(int index, TObject* object) {}
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    int Add(const std::string& s);
    int AddObject(const std::string& s, TObject* object);
    void InsertObject(int index, const std::string& s, TObject* object);
    void AddStrings(const TStrings& other);
    // The first line equal to s ignoring case, or -1.
    virtual int IndexOf(std::string_view s) const;
    int IndexOfObject(const TObject* object) const;
    void Move(int curIndex, int newIndex);

    // All lines, each followed by CR LF; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);
    std::vector<std::string> ToVector() const;

    // Batched changes: subclasses signal one change when the outermost batch ends.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;
    bool Equals(const TStrings& other) const;

protected:
    virtual void SetUpdateState(bool updating) {}
    void Error(const std::string& pattern, int index) const;

private:
    int FUpdateCount = 0;
};

class TStringList : public TStrings {
    FW_CLASS(TStringList)

    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines);

    int Count() const override { return static_cast<int>(FList.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

    TNotifyEvent OnChange;
    // Called after every change outside a batch (and once at a batch's end).
    std::function<void()> OnChangeProc;

protected:
    void SetUpdateState(bool updating) override;
    void Changed();

private:
    struct Item {
        std::string Text;
        TObject* Object = nullptr;
    };
    std::vector<Item> FList;
};

} // namespace fw
