// A synthetic review log and what the reference optimizer fits to it.
//
// The learner's true memory follows the published FSRS-6 model with weights
// unlike the defaults; a scheduler with the default weights asks each facet
// when it expects 90 % recall, the learner comes a little early or late, and
// a failed or hard first grade is asked again within the same day, as a
// learning step would. Days are UTC dates.
//
// Writes two files into the folder given:
//   fsrs-train-history.csv  "facet,minute,grade,new": minutes from
//                           2026-01-01T00:00Z, new = 1 on a facet's first grade
//   fsrs-train-reference.txt  the reference's fitted weights, its own
//                           (recency-weighted) log loss of them and of the
//                           defaults, and its loss of some single predictions
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  computeParameters, FSRSBinding, FSRSBindingItem, FSRSBindingReview,
} from '@open-spaced-repetition/binding';

const out = process.argv[2];
const defaults = [0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
  1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542];
// The learner: forgets faster at first, recovers less after a lapse and
// decays along a steeper curve than the defaults assume.
const truth = [0.6, 2.4, 4.0, 12.0, 6.8, 0.6, 2.4, 0.01, 1.5, 0.12, 1.0,
  1.1, 0.08, 0.3, 1.3, 0.5, 2.2, 0.5, 0.1, 0.07, 0.3];

let seed = 20261208;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}

function model(w) {
  const decay = -w[20];
  const factor = Math.pow(0.9, 1 / decay) - 1;
  const initD = (g) => w[4] - Math.exp((g - 1) * w[5]) + 1;
  const clampD = (d) => Math.min(10, Math.max(1, d));
  const clampS = (s) => Math.min(36500, Math.max(0.001, s));
  return {
    recall: (t, s) => Math.pow(1 + factor * t / s, decay),
    start: (g) => ({ s: w[g - 1], d: clampD(initD(g)) }),
    step(m, t, g) {
      const r = Math.pow(1 + factor * t / m.s, decay);
      let s;
      if (t === 0) {
        let inc = Math.exp(w[17] * (g - 3 + w[18])) * Math.pow(m.s, -w[19]);
        if (g >= 2) inc = Math.max(inc, 1);
        s = m.s * inc;
      } else if (g === 1) {
        const forget = w[11] * Math.pow(m.d, -w[12]) * (Math.pow(m.s + 1, w[13]) - 1) * Math.exp((1 - r) * w[14]);
        s = Math.min(forget, m.s / Math.exp(w[17] * w[18]));
      } else {
        s = m.s * (1 + Math.exp(w[8]) * (11 - m.d) * Math.pow(m.s, -w[9]) * (Math.exp((1 - r) * w[10]) - 1) *
          (g === 2 ? w[15] : 1) * (g === 4 ? w[16] : 1));
      }
      const moved = m.d - w[6] * (g - 3) * (10 - m.d) / 9;
      return { s: clampS(s), d: clampD(w[7] * initD(4) + (1 - w[7]) * moved) };
    },
  };
}

const scheduler = model(defaults);
const memory = model(truth);
const success = () => { const x = random(); return x < 0.15 ? 2 : x < 0.9 ? 3 : 4; };

const rows = [];
const histories = [];
for (let facet = 1; facet <= 1000; ++facet) {
  let day = Math.floor(random() * 120);
  const minuteOf = (d) => d * 1440 + 17 * 60 + Math.floor(random() * 180);
  let minute = minuteOf(day);
  const history = [];
  const grade = (g, dt) => { rows.push([facet, minute, g, history.length === 0 ? 1 : 0].join(',')); history.push([g, dt]); };
  // The first grade: nothing is recalled yet, so how well it went is a guess.
  const first = random() < 0.35 ? 1 : success();
  grade(first, 0);
  let seen = scheduler.start(first);
  let mind = memory.start(first);
  if (first <= 2) {
    minute += 10;
    grade(3, 0);
    seen = scheduler.step(seen, 0, 3);
    mind = memory.step(mind, 0, 3);
  }
  const count = 2 + Math.floor(random() * 8);
  while (history.length < count && day < 365) {
    const interval = Math.max(1, Math.round(seen.s));
    const late = 0.8 + random() * 0.7;
    const dt = Math.max(1, Math.round(interval * late));
    day += dt;
    minute = minuteOf(day);
    const g = random() < memory.recall(dt, mind.s) ? success() : 1;
    grade(g, dt);
    seen = scheduler.step(seen, dt, g);
    mind = memory.step(mind, dt, g);
    if (g === 1) {
      minute += 10;
      grade(3, 0);
      seen = scheduler.step(seen, 0, 3);
      mind = memory.step(mind, 0, 3);
    }
  }
  histories.push(history);
}

// One item per grade on a later day than the one before, with all grades
// before it: the reference's unit of training.
const items = [];
const places = []; // facet and which of its predictions
histories.forEach((history, h) => {
  let k = 0;
  for (let i = 1; i < history.length; ++i) {
    if (history[i][1] > 0) {
      items.push(new FSRSBindingItem(history.slice(0, i + 1).map(([g, dt]) => new FSRSBindingReview(g, dt))));
      places.push([h + 1, ++k]);
    }
  }
});
const fitted = await computeParameters(items, { enableShortTerm: true, numRelearningSteps: 1 });
const ownLoss = new FSRSBinding(fitted).evaluate(items).logLoss;
const defaultLoss = new FSRSBinding(defaults).evaluate(items).logLoss;
// The reference weighs later items more in its figure, so single predictions
// are given too: an item repeated has its own loss whatever the weighting.
const single = [];
for (let i = 0; i < items.length; i += 97) {
  const loss = new FSRSBinding(fitted).evaluate(Array(100).fill(items[i])).logLoss;
  single.push(`prediction ${places[i][0]} ${places[i][1]} ${loss.toFixed(6)}`);
}

writeFileSync(join(out, 'fsrs-train-history.csv'), rows.join('\n') + '\n');
writeFileSync(join(out, 'fsrs-train-reference.txt'),
  `# @open-spaced-repetition/binding 0.5.0 on fsrs-train-history.csv (${items.length} predictions)\n` +
  `weights ${fitted.map((w) => w.toFixed(6)).join(',')}\n` +
  `reference-log-loss ${ownLoss.toFixed(6)}\n` +
  `reference-log-loss-of-defaults ${defaultLoss.toFixed(6)}\n` +
  '# the reference\'s loss of single predictions: facet, its nth prediction, loss\n' +
  single.join('\n') + '\n');
