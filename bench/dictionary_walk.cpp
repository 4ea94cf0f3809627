// Walks a whole control database through the object model the way the
// database export does (databases, their tables, columns, primary and
// foreign keys with their key maps and columns, agent sites, security groups
// with user functions) and prints the object counts and the elapsed time.
//
//   dictionary_walk DSN PREFIX [USER PASSWORD]
#include <chrono>
#include <cstdio>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "runtime/configuration.h"

namespace {
struct Counts {
    long databases = 0, tables = 0, columns = 0, keys = 0, keyMaps = 0, sites = 0, groups = 0,
         functions = 0, longTexts = 0;
};

void walkKeyMaps(const Key& key, Counts& n) {
    KeyMap map;
    for (HQRC rc = map.listFirstByRef(key); rc.code == 0; rc = map.listNext()) {
        HQRC arc;
        map.getPKeyAttribute(arc);
        map.getFKeyAttribute(arc);
        ++n.keyMaps;
    }
}

void walkTable(DataResource& table, Counts& n) {
    HQRC rc;
    ++n.tables;
    n.longTexts += !table.getLongDescription(rc).empty();
    table.getCreateStmt(rc);
    RelationCollection<Attribute>& columns = *table.getAttributeList(rc);
    for (Attribute* c = columns.getFirst(rc); c != nullptr; c = columns.getNext(rc)) {
        n.longTexts += !c->getLongDescription(rc).empty();
        ++n.columns;
    }
    if (PrimaryKey* pk = table.getPrimaryKeyList(rc)->getFirst(rc)) {
        ++n.keys;
        walkKeyMaps(*pk, n);
    }
    RelationCollection<ForeignKey>& fks = *table.getForeignKeyList(rc);
    for (ForeignKey* fk = fks.getFirst(rc); fk != nullptr; fk = fks.getNext(rc)) {
        ++n.keys;
        if (PrimaryKey* pk = fk->getPrimaryKey(rc))
            pk->getDataResource(rc);
        walkKeyMaps(*fk, n);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: dictionary_walk DSN PREFIX [USER PASSWORD]\n");
        return 2;
    }
    const HQRC init = HQConfiguration::init(HQSTRING(argv[1]), HQSTRING(argv[2]),
                                            HQSTRING(argc > 3 ? argv[3] : ""),
                                            HQSTRING(argc > 4 ? argv[4] : ""), 0);
    if (init.code != 0) {
        std::printf("connect failed: %d %s\n", init.code, init.nativeMessage.toMultiByte().c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    Counts n;
    InformationResource ir;
    HQRC rc;
    for (rc = ir.listFirst(); rc.code == 0; rc = ir.listNext()) {
        ++n.databases;
        HQRC wrc;
        AgentSite site;
        for (HQRC src = site.listFirstBySrc(ir.getId()); src.code == 0; src = site.listNext())
            ++n.sites;
        RelationCollection<SecurityGroup>& groups = *ir.getSecurityGroupSourceList(wrc);
        for (SecurityGroup* g = groups.getFirst(wrc); g != nullptr; g = groups.getNext(wrc)) {
            ++n.groups;
            RelationCollection<UserFunction>& functions = *g->getUserFunctionList(wrc);
            for (UserFunction* f = functions.getFirst(wrc); f != nullptr;
                 f = functions.getNext(wrc))
                ++n.functions;
        }
        RelationCollection<DataResource>& tables = *ir.getDataResourceList(wrc);
        for (DataResource* t = tables.getFirst(wrc); t != nullptr; t = tables.getNext(wrc))
            walkTable(*t, n);
        if (wrc.code != 0)
            std::printf("walk ended with %d at %s\n", wrc.code, wrc.location.toMultiByte().c_str());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("databases %ld tables %ld columns %ld keys %ld keymaps %ld sites %ld groups %ld "
                "functions %ld longtexts %ld\n",
                n.databases, n.tables, n.columns, n.keys, n.keyMaps, n.sites, n.groups, n.functions,
                n.longTexts);
    std::printf("end code %d, %.2f s\n", rc.code, seconds);
    return DIRBase::isNotFound(rc) ? 0 : 1;
}
