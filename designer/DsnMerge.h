#pragma once
// The merge of one more selected component into the rows of a selection,
// shared by the incremental property set (TMultiProps::Add) and the one-pass
// CommonProps, so the two cannot drift apart.
#include "toolkit/core/Object.h"
#include "toolkit/core/Strings.h"

namespace fw {

struct TMergeLists {
    TStrings& ClassNames;      // classes merged so far, each once
    TStrings& PropNames;       // rows
    TStrings& PropValues;      // parallel to PropNames
    TStrings* AllNames;        // wanted names some merged class publishes; optional
    const TStrings& WantNames;
    const TStrings& OutNames;
};

// Merges component as the n-th (from 1) distinct component of the selection:
// the first one sets the rows and values; the second drops the OutNames rows;
// a class not merged before drops the rows it lacks; every later one empties
// the values it does not share.
void MergeComponent(const TMergeLists& lists, TObject* component, int n);

// Empties each value that component does not share: compared kinds (integer,
// character, enumeration, float, set) when the texts differ, class, method and
// other kinds always; strings keep the first component's text. Rows the
// component does not publish are left alone.
void CompareValues(TObject* component, const TStrings& propNames, TStrings& propValues);

// The first component's value texts for names ("" where it has no such property).
void ReadValues(TObject* component, const TStrings& propNames, TStrings& propValues);

} // namespace fw
