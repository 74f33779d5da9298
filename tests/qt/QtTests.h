#pragma once

// Each test file runs its own test class; the main program runs them all.
int RunWindowLookTests(int argc, char** argv);
int RunWindowBoxTests(int argc, char** argv);
int RunWindowLayoutTests(int argc, char** argv);
int RunMessageBoxMappingTests(int argc, char** argv);
