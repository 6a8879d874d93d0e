// The writing commands of the command table, joined: the editors and the
// deletion.  Borrows both; user-interface thread only.
#pragma once

#include "shell/commands.h"
#include "shell/delete_command.h"
#include "shell/editor_commands.h"

namespace mivrel {

class WritingCommands final : public EditingActions {
 public:
  WritingCommands(EditorCommands& editors, DeleteCommand& deletion)
      : m_editors(editors), m_deletion(deletion) {}
  void NewEntry() override { m_editors.NewEntry(); }
  void NewCategory() override { m_editors.NewCategory(); }
  void EditCurrentPage() override { m_editors.EditCurrentPage(); }
  void DeleteCurrentItem() override { m_deletion.Run(); }

 private:
  EditorCommands& m_editors;
  DeleteCommand& m_deletion;
};

}  // namespace mivrel
