-- Indexes of the control tables: relationship rows are read by relation name
-- and either identifier, objects by name and by their stored table names.
-- The relationship indexes end with the identifier of the other side, in
-- whose order the rows are read: without it SQLite walks the whole relation
-- in the index of the other side to save the sort.

CREATE INDEX relationship_src_ix ON @PREFIX@.RELATIONSHIP (relation_name, source_qrtid, target_qrtid);
CREATE INDEX relationship_tgt_ix ON @PREFIX@.RELATIONSHIP (relation_name, target_qrtid, source_qrtid);
CREATE INDEX relationship_srcid_ix ON @PREFIX@.RELATIONSHIP (source_qrtid);
CREATE INDEX relationship_tgtid_ix ON @PREFIX@.RELATIONSHIP (target_qrtid);
CREATE INDEX inforesource_name_ix ON @PREFIX@.inforesource (name);
CREATE INDEX dataresource_name_ix ON @PREFIX@.DataResource (name);
CREATE INDEX attribute_name_ix ON @PREFIX@.Attribute (name);
CREATE INDEX key_name_ix ON @PREFIX@.Key (name);
CREATE INDEX keymap_name_ix ON @PREFIX@.KeyMap (name);
CREATE INDEX attributelink_name_ix ON @PREFIX@.attributelink (name);
CREATE INDEX businessview_name_ix ON @PREFIX@.BusinessView (name);
CREATE INDEX map_name_ix ON @PREFIX@.map (name);
CREATE INDEX correlation_name_ix ON @PREFIX@.Correlation (name);
CREATE INDEX bvalias_name_ix ON @PREFIX@.BVAlias (name);
CREATE INDEX process_name_ix ON @PREFIX@.Process (name);
CREATE INDEX subject_name_ix ON @PREFIX@.Subject (name);
CREATE INDEX bvschedule_name_ix ON @PREFIX@.BVSchedule (name);
CREATE INDEX custcal_name_ix ON @PREFIX@.CUSTCAL (name);
CREATE INDEX caldate_name_ix ON @PREFIX@.CALDATE (name);
CREATE INDEX agentsite_name_ix ON @PREFIX@.AgentSite (name);
CREATE INDEX progfunc2_name_ix ON @PREFIX@.ProgFunc2 (name);
CREATE INDEX udpgroup_name_ix ON @PREFIX@.UDPGROUP (name);
CREATE INDEX progtype_name_ix ON @PREFIX@.PROGTYPE (name);
CREATE INDEX progparm_name_ix ON @PREFIX@.ProgParm (name);
CREATE INDEX securitygroup_name_ix ON @PREFIX@.SecurityGroup (name);
CREATE INDEX userfunction_name_ix ON @PREFIX@.UserFunction (name);
CREATE INDEX hquser_name_ix ON @PREFIX@.HQUser (name);
CREATE INDEX bvsecurity_name_ix ON @PREFIX@.BVSecurity (name);
CREATE INDEX starschema_name_ix ON @PREFIX@.StarSchema (name);
CREATE INDEX olapcube_name_ix ON @PREFIX@.OLAPCube (name);
CREATE INDEX dataresource_table_ix ON @PREFIX@.DataResource (IRName, largeSchemaName, largeTableName);
CREATE INDEX attribute_table_ix ON @PREFIX@.Attribute (IRName, largeDRSchemaName, largeDRTableName, seqNo);
CREATE INDEX attribute_largename_ix ON @PREFIX@.Attribute (largeName);
CREATE INDEX key_table_ix ON @PREFIX@.Key (IRName, largeDRSchemaName, largeDRTableName);
CREATE INDEX progfunc2_program_ix ON @PREFIX@.ProgFunc2 (programName);
