# Sourced by the build scripts: ccache, when installed, finds objects
# compiled in another clone or build folder of this tree, precompiled
# headers included.
CCACHE_BASEDIR="$(pwd)"
export CCACHE_BASEDIR
export CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
