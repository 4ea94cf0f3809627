// Materialising an object of the class an object type names: the one place
// that knows every class of the object model.
#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/attribute_link.h"
#include "dictionary/bv_security.h"
#include "dictionary/data_resource.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/security_group.h"
#include "dictionary/user_function.h"

namespace {
std::unique_ptr<DIRBase> makeObject(DIRObjectType type) {
    switch (type) {
    case DIRObjectType::InformationResource:
        return std::make_unique<InformationResource>();
    case DIRObjectType::DataResource:
        return std::make_unique<DataResource>();
    case DIRObjectType::Attribute:
        return std::make_unique<Attribute>();
    case DIRObjectType::SecurityGroup:
        return std::make_unique<SecurityGroup>();
    case DIRObjectType::HQUser:
        return std::make_unique<HQUser>();
    case DIRObjectType::BVSecurity:
        return std::make_unique<BVSecurity>();
    case DIRObjectType::AgentSite:
        return std::make_unique<AgentSite>();
    case DIRObjectType::AttributeLink:
        return std::make_unique<AttributeLink>();
    case DIRObjectType::UserFunction:
        return std::make_unique<UserFunction>();
    case DIRObjectType::PrimaryKey:
        return std::make_unique<PrimaryKey>();
    case DIRObjectType::ForeignKey:
        return std::make_unique<ForeignKey>();
    case DIRObjectType::KeyMap:
        return std::make_unique<KeyMap>();
    default:
        return nullptr; // classes of later parts of the object model
    }
}
} // namespace

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
