// User-defined programs. The program table ".ProgFunc2" holds program
// definitions and program instances alike: UDPBaseFunc is their common base
// (the columns of the program table and the parameters); ProgFunc a program
// definition with its group, type, agent sites and databases; UDPInstance an
// instance tied to its definition; AggreFunc the instance that a step runs,
// read together with its definition in one query.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class AgentSite;
class BusinessView;
class InformationResource;
class ProgParm;
class ProgType;
class UDPGrouping;
class AggreFunc;

struct UDPBaseFuncFields {
    HQSTRING programName; // the executable
    HQSTRING funcName;
    HQSTRING uniqueKey; // "ProgFunc" for a definition; an instance row carries its own kind
    HQSTRING contact;
    HQSTRING userid;
    HQSTRING VBForm;
    int32_t OLVDefined = 0; // 1 for a program that comes with the warehouse
    HQSTRING beanClassName;
    HQSTRING definitionId; // of an instance: the identifier of its definition row

    // The columns of a definition's select.
    static const ColumnTable<UDPBaseFuncFields>& columns();
    // The columns of an instance's select, from the instance row ("agg") and
    // from its definition row ("prog").
    static const ColumnTable<UDPBaseFuncFields>& instanceColumns();
};

class UDPBaseFunc : public DIRRecord<UDPBaseFuncFields> {
public:
    bool isPredefined() const { return f_.OLVDefined != 0; }
    const HQSTRING& getProgramName() const { return f_.programName; }
    const HQSTRING& getFuncName() const { return f_.funcName; }
    const HQSTRING& getUniqueKey() const { return f_.uniqueKey; }
    const HQSTRING& getContact() const { return f_.contact; }
    const HQSTRING& getUserid() const { return f_.userid; }

    // The parameters in order: by order number, equal numbers by identifier.
    // A relation row whose parameter row is missing is passed over. The
    // parameters belong to this object.
    std::vector<ProgParm*> getProgParms(HQRC& rc);
    // The delimiter of the program's parameters, from its type; "BASE" here.
    virtual HQSTRING getDelimiter(HQRC& rc);

    // 3110 when the text has more characters than its column holds.
    HQRC setProgramName(const HQSTRING& text);
    HQRC setFuncName(const HQSTRING& text);
    HQRC setContact(const HQSTRING& text);
    HQRC setUserid(const HQSTRING& text);
    HQRC setVBForm(const HQSTRING& text);

    // The parameter collection; null with 3104 when the object was never read.
    RelationList<ProgParm> getProgParmList;

protected:
    // parameters: the relation to the object's parameters (it is their source).
    UDPBaseFunc(const ClassInfo& info, const Relation& parameters);
};

class ProgFunc : public UDPBaseFunc {
public:
    // The programs of the warehouse itself that no agent list or program
    // choice offers.
    static constexpr const wchar_t* kInternalPrograms[] = {L"hqpnotes", L"QZTNXHQD", L"QZTNXHQU",
                                                           L"QZTNXOLU"};

    ProgFunc();

    // By name or program name, among the definitions only.
    HQRC retrieve(const HQSTRING& name);
    HQRC retrieveByProgramName(const HQSTRING& programName);
    // Lists in name order: every definition; the programs of a group, of a
    // database; those that may run on an agent site serving a source database
    // (and a target database); those of a group that may run on a site serving
    // a target database (and a source database); those that may run on a site;
    // the definitions that programs may choose from.
    HQRC listFirst();
    HQRC listFirstByGrp(const DIRId& group);
    HQRC listFirstByIR(const DIRId& database);
    HQRC listFirstBySIR(const DIRId& source);
    HQRC listFirstBySIRTIR(const DIRId& source, const DIRId& target);
    HQRC listFirstByGrpTIR(const DIRId& group, const DIRId& target);
    HQRC listFirstByGrpTIRSIR(const DIRId& group, const DIRId& target, const DIRId& source);
    HQRC listFirstByAgent(const DIRId& site);
    HQRC listFirstExclude();

    // The program's type: 3142 when it has none; the failure of reading it.
    ProgType* getProgTypeObj(HQRC& rc);
    // The type's number; 0 with the failure of getProgTypeObj.
    int32_t getProgType(HQRC& rc);
    HQSTRING getDelimiter(HQRC& rc) override;
    // True when a step runs an instance of the program.
    bool isInUse(HQRC& rc) override;

    // Its group (null with code 0 when it has none), the agent sites it may
    // run on, the databases it works on, its instances; null with 3104 when
    // the object was never read.
    RelatedObject<UDPGrouping> getUDPGrouping{*this, rel::UDP_TO_Grouping, RelationSide::Source,
                                              L"getUDPGrouping"};
    RelationList<AgentSite> getAgentSiteList{*this, rel::UDP_TO_AgentSite, RelationSide::Source,
                                             L"getAgentSiteList"};
    RelationList<InformationResource> getStoreProcIRList{
        *this, rel::UDP_TO_IR, RelationSide::Source, L"getStoreProcIRList"};
    RelationList<AggreFunc> getAggreFuncList{*this, rel::UDP_TO_AggreFuncs, RelationSide::Target,
                                             L"getAggreFuncList"};

private:
    RelationCollection<ProgType> progType_{*this, rel::UDP_TO_ProgType, RelationSide::Source};
};

// A program instance: a row of the program table that takes its name and
// program from the definition it is related to, and has parameter values of
// its own.
class UDPInstance : public UDPBaseFunc {
public:
    // The definition's delimiter.
    HQSTRING getDelimiter(HQRC& rc) override;

    // The program definition of the instance; null with code 0 when there is
    // none, null with 3104 when the object was never read.
    RelatedObject<ProgFunc> getProgFunc;

protected:
    // definition: the relation to the definition (the instance is its source).
    UDPInstance(const ClassInfo& info, const Relation& parameters, const Relation& definition);
};

class AggreFunc : public UDPInstance {
public:
    AggreFunc();

    // The instance's own row: its kind (uniqueKey) and form; the rest comes
    // from its definition (the relation "UDP_TO_AggreFuncs").
    void setInstance(const HQSTRING& uniqueKey, const HQSTRING& form) {
        f_.uniqueKey = uniqueKey;
        f_.VBForm = form;
    }

    // The instance and its definition in one query: an instance whose
    // definition row is missing is not found.
    HQRC retrieveId(const DIRId& id) override;
    // The instances of a program.
    HQRC listFirstByProgFunc(const DIRId& program);

    // The step that runs the instance; null with code 0 when there is none.
    RelatedObject<BusinessView> getBusinessView{*this, rel::BV_TO_AggregFunc, RelationSide::Target,
                                                L"getBusinessView"};

protected:
    SelectSource selectSource() const override;
    std::span<const ColumnDesc> columnLayout() const override;
    void populateProxy(const ColumnBuffer& buffer) override;
    // The instance row holds its kind and form; name and descriptions are
    // the definition's.
    void addWriteColumns(DIRInsert& insert) const override;
    bool ownsCommonTexts() const override { return false; }
};
