#include "System.Bindings.Outputs.h"

#include <algorithm>
#include <list>

namespace Sys {

namespace {

// A list keeps every description where it is while others come and go.
std::list<TConverterDescription>& Registered() {
    static std::list<TConverterDescription> registered;
    return registered;
}

} // namespace

void TValueRefConverterFactory::RegisterConversion(TConverterDescription Description) {
    if (FindConverter(Description.ID)) throw EListError(u"Duplicates not allowed: " + Description.ID);
    Registered().push_back(std::move(Description));
}

void TValueRefConverterFactory::UnRegisterConversion(const string& ID) {
    Registered().remove_if([&](const TConverterDescription& d) { return d.ID == ID; });
}

const TConverterDescription* TValueRefConverterFactory::FindConverter(const string& ID) {
    const auto found = std::find_if(Registered().begin(), Registered().end(),
                                    [&](const TConverterDescription& d) { return d.ID == ID; });
    return found == Registered().end() ? nullptr : &*found;
}

std::vector<const TConverterDescription*> TValueRefConverterFactory::Converters(TValueKind InputKind,
                                                                                TValueKind OutputKind) {
    std::vector<const TConverterDescription*> result;
    for (const TConverterDescription& d : Registered())
        if (d.InputKind == InputKind && d.OutputKind == OutputKind) result.push_back(&d);
    return result;
}

} // namespace Sys
