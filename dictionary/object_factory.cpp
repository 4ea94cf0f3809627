// Materialising an object of the class an object type names: the one place
// that knows every class of the object model. The classes come from the
// object-type table (dictionary/object_types.def); each class's header is
// included here.
#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/attribute_link.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/bv_security.h"
#include "dictionary/custom_calender.h"
#include "dictionary/data_resource.h"
#include "dictionary/dr_correlation.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/map.h"
#include "dictionary/olap_cube.h"
#include "dictionary/process.h"
#include "dictionary/program.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "dictionary/security_group.h"
#include "dictionary/star_schema.h"
#include "dictionary/subject.h"
#include "dictionary/user_function.h"

#include <array>
#include <iterator>

namespace {
// Stands for "no class yet" in the object-type table.
struct NoClass;

using Factory = std::unique_ptr<DIRBase> (*)();

template <class T> constexpr Factory factoryOf() {
    return [] { return std::unique_ptr<DIRBase>(std::make_unique<T>()); };
}
template <> constexpr Factory factoryOf<NoClass>() {
    return nullptr;
}

#define QRT_OBJECT_TYPE(number, name, cls, ...) factoryOf<cls>(),
constexpr Factory kFactories[] = {
#include "dictionary/object_types.def"
};
#undef QRT_OBJECT_TYPE

} // namespace

std::unique_ptr<DIRBase> DIRBase::makeObject(DIRObjectType type) {
    const auto index = static_cast<size_t>(type);
    if (index >= std::size(kFactories) || kFactories[index] == nullptr)
        return nullptr;
    return kFactories[index]();
}

std::unique_ptr<DIRBase> DIRBase::retrieveIdBase(const DIRId& id, DIRObjectType type, HQRC& rc) {
    std::unique_ptr<DIRBase> object = makeObject(type);
    if (object == nullptr) {
        rc = HQRC(kDirInternal, 0, DomainWhsDDD);
        rc.location = L"DIRBase::retrieveIdBase";
        rc.comment = L"No class for object type " + objectTypeToString(type);
        rc.SetHQMessage(objectTypeToString(type), id.toString(), L"", L"", L"", L"", L"", L"", L"",
                        L"");
        return nullptr;
    }
    object->setState(1);
    rc = object->retrieveId(id);
    return object;
}

const ClassInfo* DIRBase::classInfoOf(DIRObjectType type) {
    const auto index = static_cast<size_t>(type);
    static std::array<const ClassInfo*, std::size(kFactories)> known{};
    if (index >= known.size())
        return nullptr;
    if (known[index] == nullptr) {
        if (const std::unique_ptr<DIRBase> object = makeObject(type))
            known[index] = &object->classInfo();
    }
    return known[index];
}
