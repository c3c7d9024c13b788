#pragma once
// TMemo: a multi-line text box. Its Lines are the memo's text split at line
// breaks: read from and written to the window when it exists, else to the
// text the control keeps until its window is made.
#include "toolkit/core/Strings.h"
#include "toolkit/win/controls/Edit.h"

#include <memory>
#include <vector>

namespace fw {

class TMemo;

// The lines of a memo. A batch (BeginUpdate/EndUpdate) works on a copy and
// writes the text back once at its end.
class TMemoStrings : public TStrings {
    FW_CLASS(TMemoStrings)
    explicit TMemoStrings(TMemo& memo) : FMemo(memo) {}

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    void SetUpdateState(bool updating) override;

private:
    std::vector<std::string> Load() const;
    void Store(const std::vector<std::string>& lines);
    // The lines to change: the batch's copy, or a fresh read.
    std::vector<std::string>& Work();

    TMemo& FMemo;
    std::vector<std::string> FBatch;
    bool FBatching = false;
};

class TMemo : public TCustomEdit {
    FW_CLASS(TMemo)

    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* v) { FLines->Assign(v); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    // Long lines wrap at the right edge (and no horizontal scrolling).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    // Enter starts a new line (else it is left to the form, e.g. a default button).
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    // Tab types a tab (else it moves the focus on).
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool v) { FWantTabs = v; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TMemoStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    TAlignment FAlignment = taLeftJustify;
};

} // namespace fw
