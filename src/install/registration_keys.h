#pragma once
// The registry names of the shell registrations, spelled once for the
// registrations and for their removal.

// The family's shell-extension class.
const char ExtensionClassId[] = "{7d2a94b0-3e61-11d0-9c5a-00a024b7e813}";
// Under HKEY_CLASSES_ROOT.
const char ExtensionClassKey[] = "CLSID\\{7d2a94b0-3e61-11d0-9c5a-00a024b7e813}";
const char ExtensionServerKey[] = "CLSID\\{7d2a94b0-3e61-11d0-9c5a-00a024b7e813}\\InProcServer32";
// Under HKEY_LOCAL_MACHINE: the family's Find-menu entries, with one subkey
// per product named by its baseName.
const char FindExtensionsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\FindExtensions\\Redadi";
// Under HKEY_LOCAL_MACHINE, read by the NT family's shell only.
const char ApprovedExtensionsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
// Under HKEY_LOCAL_MACHINE: the list of installed programs, one subkey per
// product named by its baseName.
const char UninstallListKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The path of a product's own subkey, named by name, below the list at
// listPath, in a buffer of RegistryTextSize bytes. False when the name is
// empty (it would name the list itself) or the path does not fit.
bool ItemSubkeyPath(char* path, const char* listPath, const char* name);
