// The browser's processes, from /proc: their CPU time, so a test can tell how
// busy the browser (renderer, GPU, network... together) keeps the machine
// while a page sits idle, and whether any of them is still alive.
import fs from 'node:fs';
import { execFileSync } from 'node:child_process';
import { sleep } from './wait.mjs';

let ticksPerSecond;

function clockTicks() {
  if (ticksPerSecond === undefined) {
    try {
      ticksPerSecond = Number(execFileSync('getconf', ['CLK_TCK'], { encoding: 'utf8' })) || 100;
    } catch {
      ticksPerSecond = 100;
    }
  }
  return ticksPerSecond;
}

// pid → { state, ppid, pgrp, ticks (utime + stime) } of every process now.
function readProcesses() {
  const processes = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    let stat;
    try {
      stat = fs.readFileSync(`/proc/${name}/stat`, 'utf8');
    } catch {
      continue; // gone since the listing
    }
    // The command name, in parentheses, may itself hold spaces and parentheses.
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    processes.set(Number(name), { state: fields[0], ppid: Number(fields[1]),
      pgrp: Number(fields[2]), ticks: Number(fields[11]) + Number(fields[12]) });
  }
  return processes;
}

// pid → CPU ticks, for `rootPid` and its descendants.
function treeTicks(rootPid) {
  const processes = readProcesses();
  const tree = new Map();
  const queue = [rootPid];
  while (queue.length) {
    const pid = queue.pop();
    if (!processes.has(pid) || tree.has(pid)) continue;
    tree.set(pid, processes.get(pid).ticks);
    for (const [child, { ppid }] of processes) if (ppid === pid) queue.push(child);
  }
  return tree;
}

// CPU seconds used so far by `rootPid` and its living descendants.
export function treeCpuSeconds(rootPid) {
  let ticks = 0;
  for (const t of treeTicks(rootPid).values()) ticks += t;
  return ticks / clockTicks();
}

// CPU used by the tree over the next `ms`: { cpuSeconds, wallSeconds, share },
// share being cpuSeconds / wallSeconds (1 = one core busy). A process that
// ends within the interval loses its last part; one that starts counts whole.
export async function sampleTreeCpu(rootPid, ms) {
  const before = treeTicks(rootPid);
  const start = process.hrtime.bigint();
  await sleep(ms);
  const after = treeTicks(rootPid);
  const wallSeconds = Number(process.hrtime.bigint() - start) / 1e9;
  let ticks = 0;
  for (const [pid, t] of after) ticks += t - (before.get(pid) ?? 0);
  const cpuSeconds = ticks / clockTicks();
  return { cpuSeconds, wallSeconds, share: cpuSeconds / wallSeconds };
}

// Whether process group `pgid` has a member that is not a zombie (a zombie
// is dead, only not yet reaped by its parent).
export function groupAlive(pgid) {
  for (const { state, pgrp } of readProcesses().values()) {
    if (pgrp === pgid && state !== 'Z') return true;
  }
  return false;
}
