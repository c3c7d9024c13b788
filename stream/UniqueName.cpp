#include "stream/UniqueName.h"

#include "toolkit/core/Component.h"

namespace fw {

void MakeUniqueName(TComponent* root, TReader*, TComponent* component, std::string& name) {
    const std::string& cls = component->ClassName();
    std::string base = cls.empty() ? cls : cls.substr(1);
    int n = 0;
    while (root && root->FindComponent(name)) {
        ++n;
        name = base + std::to_string(n);
    }
}

} // namespace fw
