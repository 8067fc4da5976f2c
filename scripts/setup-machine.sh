#!/usr/bin/env bash
# Sets up the machine root named by BRISANCE_MACHINE_ROOT (or the per-user
# default) as an integrator sets up an office computer, from the programs in
# the given program folder: registers the component servers, enters the
# instrument driver and the demo's instruments, installs the module with
# BrisanceSetup and adds the demo client with its visits. Stops at the first
# step that fails.
#
# Usage: scripts/setup-machine.sh <program folder>
set -euo pipefail
bin=$(cd "${1:?usage: setup-machine.sh <program folder>}" && pwd)

step() { echo "setup-machine: $*"; }

step "registering the component servers"
for server in libhost.so libvellum.so liblumenplot.so libpelmsonvale.so libbrisance.so; do
  "$bin/brisance-regsvr" -s "$bin/$server"
done

step "entering the instrument driver and the demo's instruments"
reg() { "$bin/brisance-reg" set "$@" >/dev/null; }
driver='HKLM\SOFTWARE\Pelmworks\PelmSonvale\Drivers\MRL'
reg "$driver" DriverPath REG_SZ "$bin/libmarlet.so"
reg "$driver" Manufacturer REG_SZ Pelmworks
reg "$driver" DriverName REG_SZ Marlet
# An audiometer on COM1 and a tympanometer on COM2, which the simulator plays.
settings='HKCU\Software\Pelmworks\marlet'
reg "$settings\\Default" Model REG_SZ Tessil
reg "$settings\\Default" Model2 REG_SZ "Quorrel v2"
reg "$settings\\Tessil" Port REG_SZ COM1
reg "$settings\\Quorrel v2" Port REG_SZ COM2

step "installing the module with BrisanceSetup"
"$bin/brisance-setup" || { status=$?; echo "setup-machine: BrisanceSetup failed (exit status $status)" >&2; exit 1; }

step "adding the demo client"
"$bin/brisance-demo"
