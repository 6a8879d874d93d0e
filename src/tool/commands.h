// The mivrel-tool commands.  Each returns the process exit code: 0 on success,
// 1 on a failure it has reported, 2 on a usage error.
#pragma once

#include "tool/tool_context.h"

namespace mivrel {

int RunInitCommand(const ToolContext& context);    // init [--starter] DIR
int RunPageCommand(const ToolContext& context);    // page home|category ID|entry ID|entry --name NAME
int RunTreeCommand(const ToolContext& context);    // tree
int RunIndexCommand(const ToolContext& context);   // index PREFIX [--scope ROW]
int RunSearchCommand(const ToolContext& context);  // search TEXT [--scope ROW]
int RunDeleteCommand(const ToolContext& context);  // delete entry ID | category ID [--permanent]
int RunExportCommand(const ToolContext& context);  // export entry|category ID FILE
int RunImportCommand(const ToolContext& context);  // import FILE [--into ID] [--on-clash M] [--all-pages]
int RunBackupCommand(const ToolContext& context);  // backup
int RunBackupsCommand(const ToolContext& context); // backups
int RunRestoreCommand(const ToolContext& context); // restore N
int RunVacuumCommand(const ToolContext& context);  // vacuum
int RunSqlCommand(const ToolContext& context);     // sql TEXT
int RunInfoCommand(const ToolContext& context);    // info

}  // namespace mivrel
