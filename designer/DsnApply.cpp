// ApplyPropValue (declared in DsnFunc.h): one value text into many components.
#include "designer/DsnConvert.h"
#include "designer/DsnFunc.h"
#include "toolkit/core/Text.h"

namespace fw {

namespace {

struct TRefused {}; // a text or write the property cannot take

template <class F> void Require(const F& accessor) {
    if (!accessor) throw TRefused{}; // read-only property
}

int32_t FirstCharCode(const std::string& value) {
    // Characters are single bytes of the system code page.
    uint32_t cp = 0;
    size_t len = DecodeUtf8Sequence(value, 0, false, cp);
    if (len == 0) throw TRefused{};
    std::string ansi = Utf8ToAnsi(value.substr(0, len));
    if (ansi.empty()) throw TRefused{};
    return static_cast<unsigned char>(ansi[0]);
}

void WriteText(TObject* instance, const TPropInfo& p, const std::string& value) {
    const TTypeKind kind = p.Kind();
    const bool stringKind = kind == TTypeKind::tkString || kind == TTypeKind::tkLString || kind == TTypeKind::tkWString;
    if (value.empty()) {
        // An empty text clears strings and never a number.
        if (stringKind) {
            Require(p.SetStr);
            p.SetStr(instance, value);
        }
        return;
    }
    if (stringKind) {
        Require(p.SetStr);
        p.SetStr(instance, value);
        return;
    }
    switch (kind) {
    case TTypeKind::tkInteger: {
        auto v = TextToInt32(value);
        if (!v) throw TRefused{};
        Require(p.SetOrd);
        p.SetOrd(instance, *v);
        break;
    }
    case TTypeKind::tkChar:
        Require(p.SetOrd);
        p.SetOrd(instance, FirstCharCode(value));
        break;
    case TTypeKind::tkEnumeration: {
        // A text naming no value is refused rather than ignored: the user
        // learns the edit did not take, and no out-of-range ordinal is stored.
        int32_t ord = p.PropType->GetEnumValue(value);
        if (ord < 0) throw TRefused{};
        Require(p.SetOrd);
        p.SetOrd(instance, ord);
        break;
    }
    case TTypeKind::tkFloat: {
        auto v = TextToFloat(value);
        if (!v) throw TRefused{};
        Require(p.SetFloat);
        p.SetFloat(instance, *v);
        break;
    }
    default: break; // sets, classes, methods and the rest are not written from text
    }
}

} // namespace

void ApplyPropValue(const TList<TComponent*>& components, const std::string& propName, const std::string& value) {
    if (propName.empty()) return;
    for (int i = 0; i < components.Count(); ++i) {
        TComponent* c = components.Items(i);
        if (!c) continue; // an entry forgotten (NilItem) until its Delete: nothing to write
        const TPropInfo* p = c->ClassInfo().FindProp(propName);
        try {
            if (!p) throw TRefused{};
            WriteText(c, *p, value);
        } catch (const TRefused&) {
            throw Exception(value + " is illegal (" + propName + ")");
        } catch (const std::exception&) {
            // The underlying message (a setter's own complaint) is replaced.
            throw Exception(value + " is illegal (" + propName + ")");
        }
    }
}

} // namespace fw
