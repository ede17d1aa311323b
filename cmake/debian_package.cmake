# Run by CPack after installing into its staging folder, before packing: what only a
# system-wide package holds. The font alias is switched on by a link in
# /etc/fonts/conf.d, as Debian's font packages do.
set(name 30-corvane-book-antiqua.conf)
foreach(staged IN LISTS CPACK_TEMPORARY_INSTALL_DIRECTORY)
  file(MAKE_DIRECTORY ${staged}/etc/fonts/conf.d)
  file(CREATE_LINK /usr/share/fontconfig/conf.avail/${name} ${staged}/etc/fonts/conf.d/${name}
       SYMBOLIC)
endforeach()
