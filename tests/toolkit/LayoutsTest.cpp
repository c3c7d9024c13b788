// Stored layouts written as JSON become forms.
#include "toolkit/core/Exception.h"
#include "toolkit/win/controls/Label.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/Layouts.h"
#include "toolkit/win/window/Registration.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Layouts, JsonLayoutBecomesAForm) {
    const char* json = R"({ "components": [ { "class": "TForm", "name": "Layout1",
        "properties": [ ["Caption", {"type": "string", "value": "From JSON"}],
                        ["ClientWidth", {"type": "int16", "value": 321}],
                        ["Color", {"type": "ident", "value": "clWindow"}] ] } ],
        "listEnds": 0 })";
    TForm* form = Application().CreateForm<TForm>(LayoutFromJson(json));
    EXPECT_EQ(form->Name(), "Layout1");
    EXPECT_EQ(form->GetText(), "From JSON");
    EXPECT_EQ(form->ClientWidth(), 321);
    EXPECT_EQ(form->Color(), clWindow);
    delete form;
}

TEST(Layouts, BadLayoutsAndMissingResourcesFailClearly) {
    try {
        LayoutFromJson("{ \"components\": [ ");
        FAIL() << "accepted";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("JSON"), std::string::npos) << e.Message();
    }
    try {
        LoadResourceText(L"NO_SUCH_LAYOUT");
        FAIL() << "found";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Resource NO_SUCH_LAYOUT not found");
    }
}

TEST(Layouts, ClientSizeHoldsWhenTheMenuBarIsAttachedLast) {
    RegisterToolkitClasses();
    const char* json = R"({ "components": [ { "class": "TForm", "name": "WithMenu",
        "properties": [ ["ClientWidth", {"type": "int16", "value": 300}],
                        ["ClientHeight", {"type": "int16", "value": 200}],
                        ["Menu", {"type": "ident", "value": "MainMenu1"}] ],
        "children": [ { "class": "TMainMenu", "name": "MainMenu1", "children": [
            { "class": "TMenuItem", "name": "File1",
              "properties": [ ["Caption", {"type": "string", "value": "File"}] ] } ] } ] } ],
        "listEnds": 0 })";
    TForm* form = Application().CreateForm<TForm>(LayoutFromJson(json));
    form->Show();
    RECT r;
    GetClientRect(form->Handle(), &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200) << "the menu bar does not take its height from the client area";
    delete form;
}

TEST(Layouts, ALabelOnAPageOfAReadFormSizesItselfToItsCaption) {
    RegisterToolkitClasses();
    const char* json = R"({ "components": [ { "class": "TForm", "name": "WithPages",
        "properties": [ ["ClientWidth", {"type": "int16", "value": 300}] ],
        "children": [ { "class": "TPageControl", "name": "PageControl1",
            "properties": [ ["Width", {"type": "int16", "value": 260}], ["ActivePage", {"type": "ident", "value": "TabSheet1"}] ],
            "children": [ { "class": "TTabSheet", "name": "TabSheet1", "children": [
                { "class": "TLabel", "name": "Label1",
                  "properties": [ ["Width", {"type": "int8", "value": 40}],
                                  ["Caption", {"type": "string", "value": "A page with a label"}] ] } ] } ] } ] } ],
        "listEnds": 0 })";
    TForm* form = Application().CreateForm<TForm>(LayoutFromJson(json));
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
    ASSERT_NE(label, nullptr);
    int32_t read = label->Width();
    label->SetCaption("");
    label->SetCaption("A page with a label");
    EXPECT_EQ(read, label->Width()) << "the width read is the caption's width";
    delete form;
}
