# Sourced by the build scripts: compile through ccache, so that a rebuild, or
# a build in another clone of the repository (CI's clean clone), reuses the
# objects already made. Paths are hashed relative to the clone.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
compiler_cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
