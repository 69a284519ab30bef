/* The file behind LoadLibraryA("shell32.dll"). Its resources live in the
   Windows layer, registered under the module name "shell32"; the library
   itself only has to exist so that the load succeeds. */
int drums_shell32_module(void) {
  return 1;
}
