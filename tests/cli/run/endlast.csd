[abc]
[END]
