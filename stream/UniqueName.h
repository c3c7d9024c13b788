#pragma once
// The naming rule for components read into a window that may already hold
// components of the same names.
#include <string>

namespace fw {

class TComponent;
class TReader;

// Leaves a free name unchanged; a name taken in root (ignoring case) becomes
// the class name without its first letter followed by the smallest number
// from 1 up that is free ("TButton" gives "Button1", "Button2", ...). An empty
// name stays empty. The reader is accepted for the callback's shape only.
void MakeUniqueName(TComponent* root, TReader* reader, TComponent* component, std::string& name);

} // namespace fw
