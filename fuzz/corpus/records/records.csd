[AB  ]
  []  
[END]

[never read]
