// 1,000 random review histories through the reference scheduler, one per line.
//
// Configuration, which src/review/ must match: the published FSRS-6 default
// weights, desired retention 0.90, maximum interval 36500 days, no fuzz,
// short-term scheduling on with learning steps 1 min and 10 min and one
// relearning step of 10 min (the reference's defaults).
//
// Line: reviews separated by ';', each "minute,grade,stability,difficulty,
// scheduled days,state,due minute"; minutes count from 2026-01-01T00:00Z.
// States: 0 new, 1 learning, 2 review, 3 relearning.
import { fsrs, createEmptyCard, generatorParameters, default_w } from 'ts-fsrs';

const base = Date.UTC(2026, 0, 1);
const minute = 60 * 1000;

const scheduler = fsrs(generatorParameters({
  w: [...default_w],
  request_retention: 0.9,
  maximum_interval: 36500,
  enable_fuzz: false,
  enable_short_term: true,
  learning_steps: ['1m', '10m'],
  relearning_steps: ['10m'],
}));

// mulberry32: a fixed seed gives the same fixture on every machine.
let seed = 20261207;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const below = (n) => Math.floor(random() * n);

function grade() {
  const x = random();
  return x < 0.15 ? 1 : x < 0.3 ? 2 : x < 0.85 ? 3 : 4;
}

// When the next review happens: mostly near the due time, sometimes early,
// late, or again within minutes, so that every branch of the model is taken.
function nextMinute(now, card) {
  const dueMinute = Math.round((card.due.getTime() - base) / minute);
  const x = random();
  if (x < 0.5) return Math.max(now + 1, dueMinute + below(180));
  if (x < 0.65) return now + 1 + below(Math.max(1, dueMinute - now));
  if (x < 0.85) return Math.max(now + 1, dueMinute + below(3 * Math.max(1, dueMinute - now)));
  return now + 1 + below(30);
}

const lines = [];
for (let h = 0; h < 1000; ++h) {
  let now = below(14 * 24 * 60);
  let card = createEmptyCard(new Date(base + now * minute));
  const reviews = [];
  const count = 1 + below(15);
  for (let i = 0; i < count; ++i) {
    const g = grade();
    card = scheduler.next(card, new Date(base + now * minute), g).card;
    const due = Math.round((card.due.getTime() - base) / minute);
    reviews.push([now, g, card.stability, card.difficulty, card.scheduled_days, card.state, due].join(','));
    now = nextMinute(now, card);
  }
  lines.push(reviews.join(';'));
}
process.stdout.write(lines.join('\n') + '\n');
