#pragma once
// Shared by the menu, action and dialog tests: storing a root and reading it
// into another, items built in one line, a form with published handlers, and
// keys held down in the thread's keyboard state (what GetKeyState reads).
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/menus/Menus.h"
#include "toolkit/win/window/Form.h"

#include <cstring>
#include <string>
#include <vector>

namespace fwtest {

inline std::vector<uint8_t> Store(fw::TComponent* root) {
    fw::TMemoryStream s;
    fw::TWriter(s).WriteRootComponent(root);
    return s.Bytes();
}

inline void Load(const std::vector<uint8_t>& bytes, fw::TComponent* root) {
    fw::TMemoryStream s(bytes);
    fw::TReader(s).ReadRootComponent(root);
}

inline fw::TMenuItem* NewItem(fw::TComponent* owner, fw::TMenuItem* parent, const std::string& caption,
                              const std::string& name = "") {
    auto* item = new fw::TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    if (parent) parent->Add(item);
    return item;
}

class THandlerForm : public fw::TForm {
    FW_CLASS(THandlerForm)
    using TForm::TForm;
    int Runs = 0;
    fw::TObject* LastSender = nullptr;
    void Handler(fw::TObject* sender) {
        ++Runs;
        LastSender = sender;
    }
    fw::TMethod HandlerMethod() { return {ClassInfo().FindMethod("Handler"), this}; }
};

inline const fw::TClassInfo& THandlerForm::StaticClassInfo() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<THandlerForm, fw::TForm>().Method("Handler", &THandlerForm::Handler).Build();
    return info;
}

class THeldKeys {
public:
    explicit THeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(FSaved);
        BYTE state[256];
        std::memcpy(state, FSaved, sizeof state);
        for (int k : keys) state[k] = 0x80;
        SetKeyboardState(state);
    }
    ~THeldKeys() { SetKeyboardState(FSaved); }

private:
    BYTE FSaved[256];
};

} // namespace fwtest
