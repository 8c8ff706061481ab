#pragma once
// What the options dialog changes in the running program when the user
// accepts, besides the settings it stores.

class RunningOptions {
public:
    // Autosave every so many minutes; 0 switches it off.
    virtual void setAutosaveMinutes(int minutes) = 0;
    // Whether a save first keeps the file it replaces as "<name>~".
    virtual void setBackupOnSave(bool backup) = 0;
    // Empties the recent files list on show; the dialog stores the emptied list.
    virtual void f_borrarHistorial() = 0;

protected:
    ~RunningOptions() = default;
};
