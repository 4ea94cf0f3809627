// Export of steps (business views): the step's record and everything it
// refers to, in a fixed order (aliases, child steps, its databases and
// tables, correlations, maps, its program instance, its agent site and, with
// the cascade switch on, its schedules, the steps it starts and the groups it
// notifies), with the relation instances that tie them to the step.
#pragma once

#include <functional>

#include "dictionary/relation_collection.h"
#include "export/tag_property.h"
#include "export/tag_vocabulary.h"
#include "runtime/return_code.h"

class AggreFunc;
class BusinessView;
class BVAlias;
class DataResource;
class DRCorrelation;
class InformationResource;
class Map;

// How a table belongs to a step: its output table, an input table, a table
// its program manages ("BV_TO_UDPManagedDR"), a table its program manages in
// cascade ("BV_TO_UDPManagedDRC").
enum DRInOutType { DROutput = 0, DRInput = 1, DRManaged = 2, DRManagedCascade = 3 };

// The step (once per run) and everything it refers to. cascade: the run's
// cascade switch (1: schedules, started steps and notification groups too);
// relation: the run's relation switch (0: the source database and the input
// tables get relation records only). Returns code 0; failures are raised.
HQRC export_BV(BusinessView* step, int cascade, int relation);
// A relation instance of type with the step's keys and its CONTAIN record
// from the step.
void export_BVRel(const Euit_ParmList& stepKeys, NameNType2::relobjType type);
// When export_StepRelations writes a checkpoint: after each step, or once
// after the last.
enum class StepCheckpoint { AfterEach, AfterAll };
// Ties the steps of one of a step's collections (its children, the steps it
// starts) to it: before the first, export_BVRel (stepKeys, type); for each,
// `each` on it (its export, or nothing), then a CONTAIN record from the
// instance to it. Returns true when the collection had a step.
bool export_StepRelations(RelationList<BusinessView>& steps, const Euit_ParmList& stepKeys,
                          NameNType2::relobjType type,
                          const std::function<void(BusinessView&)>& each,
                          StepCheckpoint checkpoint);
// One "QRTBVALI" object with its CONTAIN record from the step.
void export_BVAlias(BVAlias* alias, const Euit_ParmList& stepKeys);
// The database (unless source objects are left out) and the relation
// instance of type (BVSrcIR or BVTarIR) that ties it to the step.
void export_InfoRes_forBV(InformationResource* database, const Euit_ParmList& stepKeys,
                          NameNType2::relobjType type);
// The table (unless source objects are left out) and the relation instance
// of its kind that ties it to the step.
void export_DataRes_forBV(DataResource* table, const Euit_ParmList& stepKeys, DRInOutType kind);
// One "CORRELNM" object, its table and the CONTAIN records to the table and
// to the step.
void export_DRCorrelation_forBV(DRCorrelation* correlation, const Euit_ParmList& stepKeys);
// One "QRTBVMAP" object with its CONTAIN record from the step and the
// relation instances to its input and output columns.
void export_Map_forBV(Map* map, const Euit_ParmList& stepKeys);
// One "QRTAGGRF" object (the step's program instance), its program, its
// parameters and its CONTAIN records from the program and from the step.
void export_AggreFunc_forBV(AggreFunc* function, const Euit_ParmList& stepKeys);
