-- Indexes of the control tables: relationship rows are read by relation name
-- and either identifier, objects by name and by their stored table names.

CREATE INDEX relationship_src_ix ON RELATIONSHIP (relation_name, source_qrtid);
CREATE INDEX relationship_tgt_ix ON RELATIONSHIP (relation_name, target_qrtid);
CREATE INDEX relationship_srcid_ix ON RELATIONSHIP (source_qrtid);
CREATE INDEX relationship_tgtid_ix ON RELATIONSHIP (target_qrtid);
CREATE INDEX inforesource_name_ix ON inforesource (name);
CREATE INDEX dataresource_name_ix ON DataResource (name);
CREATE INDEX attribute_name_ix ON Attribute (name);
CREATE INDEX key_name_ix ON Key (name);
CREATE INDEX keymap_name_ix ON KeyMap (name);
CREATE INDEX attributelink_name_ix ON attributelink (name);
CREATE INDEX businessview_name_ix ON BusinessView (name);
CREATE INDEX map_name_ix ON map (name);
CREATE INDEX correlation_name_ix ON Correlation (name);
CREATE INDEX bvalias_name_ix ON BVAlias (name);
CREATE INDEX process_name_ix ON Process (name);
CREATE INDEX subject_name_ix ON Subject (name);
CREATE INDEX bvschedule_name_ix ON BVSchedule (name);
CREATE INDEX custcal_name_ix ON CUSTCAL (name);
CREATE INDEX caldate_name_ix ON CALDATE (name);
CREATE INDEX agentsite_name_ix ON AgentSite (name);
CREATE INDEX progfunc2_name_ix ON ProgFunc2 (name);
CREATE INDEX udpgroup_name_ix ON UDPGROUP (name);
CREATE INDEX progtype_name_ix ON PROGTYPE (name);
CREATE INDEX progparm_name_ix ON ProgParm (name);
CREATE INDEX securitygroup_name_ix ON SecurityGroup (name);
CREATE INDEX userfunction_name_ix ON UserFunction (name);
CREATE INDEX hquser_name_ix ON HQUser (name);
CREATE INDEX bvsecurity_name_ix ON BVSecurity (name);
CREATE INDEX starschema_name_ix ON StarSchema (name);
CREATE INDEX olapcube_name_ix ON OLAPCube (name);
CREATE INDEX dataresource_table_ix ON DataResource (IRName, largeSchemaName, largeTableName);
CREATE INDEX attribute_table_ix ON Attribute (IRName, largeDRSchemaName, largeDRTableName, seqNo);
CREATE INDEX attribute_largename_ix ON Attribute (largeName);
CREATE INDEX key_table_ix ON Key (IRName, largeDRSchemaName, largeDRTableName);
CREATE INDEX progfunc2_program_ix ON ProgFunc2 (programName);
