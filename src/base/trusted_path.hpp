// Whether a program to run or a file to copy can only have been put where
// it is by root or by this program's own user: neither the file nor any
// folder on its way from the root may be writable by anyone else. A
// sticky folder writable by all (/tmp) is safe to pass through when the
// entry taken in it belongs to a trusted user, since no one else can move
// or replace that entry.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

// Root, this process's user and the owner of the running program.
std::vector<uid_t> TrustedUsersOfProcess();

// Empty when `path` (its links resolved) and every folder above it can be
// written only by `trusted` users; else the first one that others can write,
// in words naming it.
Problem UntrustedPathProblem(const std::filesystem::path& path, const std::vector<uid_t>& trusted);

}  // namespace solvaris
