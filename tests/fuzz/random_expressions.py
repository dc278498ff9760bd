#!/usr/bin/env python3
"""Writes one BASIC program of random expressions, from a seed: values of
Long, Double and String made of variables, numbers, array elements with
any index, TYPE fields and calls, joined with the dialect's operators, in
every place a value goes (assignments, arguments, conditions, FOR bounds,
indexes). random_expressions.sh checks that the C++ plix writes for what
it accepts compiles.
  random_expressions.py SEED"""
import random
import sys

random.seed(int(sys.argv[1]))
longs=['n','m','k']; dbls=['d','e']; strs=['s','t']
def atom(kind, depth):
    r=random.random()
    if kind=='L':
        opts=[lambda: random.choice(longs), lambda: str(random.randint(0,9)), lambda: 'a(%s)'%idx(depth),
              lambda: 'p.x', lambda: 'Half(%s)'%expr('L',depth+1), lambda: 'Len(%s)'%expr('S',depth+1)]
    elif kind=='D':
        opts=[lambda: random.choice(dbls), lambda: '%d.5'%random.randint(0,9), lambda: 'Sqr(%s)'%expr('D',depth+1), lambda: 'p.y']
    else:
        opts=[lambda: random.choice(strs), lambda: '"x%d"'%random.randint(0,9), lambda: 'Str(%s)'%expr('L',depth+1),
              lambda: 'Mid(%s, %s, 1)'%(expr('S',depth+1), expr('L',depth+1)), lambda: 'p.name']
    if depth>2: opts=opts[:2]
    return random.choice(opts)()
def idx(depth):
    return random.choice(['i', '1', 'i + 1', 'k MOD 3', 'a(i)', 'Half(i)', '(i \\ 2)', 'b(j) - 1'][: (8 if depth<2 else 3)])
def expr(kind, depth=0):
    if kind=='L':
        e=atom('L',depth)
        for _ in range(random.randint(0,2)):
            e+=' %s %s'%(random.choice(['+','-','*','MOD','\\']), atom('L',depth))
        if random.random()<0.2 and depth<2: e='(%s)'%e
        return e
    if kind=='D':
        e=atom(random.choice('LD'),depth)
        for _ in range(random.randint(0,2)):
            e+=' %s %s'%(random.choice(['+','-','*','/']), atom(random.choice('LD'),depth))
        return e
    e=atom('S',depth)
    for _ in range(random.randint(0,2)):
        e+=' & %s'%atom(random.choice('SL'),depth)
    return e
def cond(depth=0):
    k=random.choice('LDS')
    op=random.choice(['=','<>','<','>','<=','>='])
    c='%s %s %s'%(expr(k,1), op, expr(k,1))
    if random.random()<0.3: c='NOT '+c
    if random.random()<0.3 and depth<1: c='%s %s %s'%(c, random.choice(['AND','OR']), cond(depth+1))
    return c
stmts=[]
for _ in range(25):
    r=random.random()
    if r<0.15: stmts.append('n = %s'%expr('L'))
    elif r<0.25: stmts.append('d = %s'%expr('D'))
    elif r<0.35: stmts.append('s = %s'%expr('S'))
    elif r<0.45: stmts.append('ok = %s'%cond())
    elif r<0.55: stmts.append('Print(%s)'%expr(random.choice('LS')))
    elif r<0.62: stmts.append('Print(Str(%s))'%cond())
    elif r<0.72: stmts.append('IF %s THEN n = n + 1'%cond())
    elif r<0.8: stmts.append('a(%s) = %s'%(idx(0), expr('L')))
    elif r<0.88: stmts.append('FOR i = %s TO %s STEP %s\n\t\tk = k + 1\n\t\tIF k > 50 THEN EXIT FOR\n\tNEXT i'%(expr('L',1), expr('L',1), random.choice(['1','-1','2','m','+n'])))
    elif r<0.94: stmts.append('Show(%s, %s)'%(cond() if random.random()<0.5 else expr('L'), expr('S')))
    elif r<0.96: stmts.append('t = Label(%s) & %s'%(expr('L'), expr('S')))
    else:
        stmts.append(random.choice([
            'WHILE %s\n\t\tk = k + 1\n\t\tIF k > 50 THEN EXIT WHILE\n\tWEND' % cond(),
            'DO\n\t\tk = k + 1\n\tLOOP UNTIL %s OR k > 50' % cond(),
            'Show NOT %s, %s & %s' % (cond(1), expr('S'), expr('L')),
            'ok = NOT (%s)' % cond(),
            'IF %s THEN s = %s ELSE s = %s' % (cond(), expr('S'), expr('L')),
            'n = (%s) MOD 7 + NOT %s' % (expr('L'), cond(1)),
            'p.name = %s & (%s)' % (expr('S'), expr('L')),
            'b(%s) = %s' % (idx(0), cond()),
        ]))
print('''TYPE Pt
	x AS Long
	y AS Double
	name AS String
END TYPE
DIM a(100) AS Long
DIM b(100) AS Long
DIM p AS Pt

FUNCTION Half(v AS Long) AS Long
	IF v < 0 THEN v = -v
	Half = v \\ 2
END FUNCTION

FUNCTION Label(v AS Long) AS String
	Label = "#" & v
END FUNCTION

FUNCTION Show(flag AS Long, text AS String)
	Print(text & flag)
END FUNCTION

FUNCTION Main() AS Long
	DIM n AS Long, m AS Long, k AS Long, i AS Long, j AS Long, ok AS Long
	DIM d AS Double, e AS Double
	DIM s AS String, t AS String
	m = 1
	i = 1
''')
for st in stmts: print('\t'+st)
print('END FUNCTION')
